// Writes resource containers in the format that container/resource_file.h reads: the
// header, the entry table, the resources in the order added, then the data
// part. Shared by the data compilers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ContainerWriter {
 public:
  // Adds a resource. `type` must be 4 characters and `name` at most 19;
  // otherwise false is returned and nothing is added.
  bool Add(std::string_view type, uint16_t id, std::string_view name,
           std::vector<uint8_t> bytes);
  // Free entries left after the used ones (an all-zero entry ends the used
  // part); 0 by default.
  void SetSpareEntries(uint32_t count) { spare_ = count; }
  // Absolute file offset at which the data part will start, given the
  // resources added so far and the spare entries. Data parts that hold
  // absolute offsets are built after all resources are added.
  uint32_t DataPartOffset() const;
  // The data part; without one the marker is 0.
  void SetDataPart(std::vector<uint8_t> bytes);
  std::vector<uint8_t> Build() const;
  // Writes Build() to path; on failure fills *error and returns false.
  bool WriteFile(const std::string& path, std::string* error) const;

 private:
  struct Resource {
    char type[4];
    uint16_t id;
    std::string name;
    std::vector<uint8_t> bytes;
  };
  std::vector<Resource> resources_;
  std::vector<uint8_t> data_part_;
  bool has_data_part_ = false;
  uint32_t spare_ = 0;
};
