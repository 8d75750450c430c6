// Lays out a resource container: header, entry table, resources, data part.
#include "tools/container/container_writer.h"

#include <cstring>
#include <fstream>

namespace {

void PutBe16(std::vector<uint8_t>& out, size_t at, uint16_t v) {
  out[at] = uint8_t(v >> 8);
  out[at + 1] = uint8_t(v);
}

void PutBe32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (24 - 8 * i));
}

constexpr uint32_t kHeader = 12;
constexpr uint32_t kEntry = 34;

}  // namespace

bool ContainerWriter::Add(std::string_view type, uint16_t id, std::string_view name,
                          std::vector<uint8_t> bytes) {
  if (type.size() != 4 || name.size() > 19) return false;
  Resource r{{}, id, std::string(name), std::move(bytes)};
  std::memcpy(r.type, type.data(), 4);
  resources_.push_back(std::move(r));
  return true;
}

uint32_t ContainerWriter::DataPartOffset() const {
  uint64_t offset = kHeader + uint64_t(kEntry) * (resources_.size() + spare_);
  for (const Resource& r : resources_) offset += r.bytes.size();
  return uint32_t(offset);
}

void ContainerWriter::SetDataPart(std::vector<uint8_t> bytes) {
  data_part_ = std::move(bytes);
  has_data_part_ = true;
}

std::vector<uint8_t> ContainerWriter::Build() const {
  const uint32_t capacity = uint32_t(resources_.size()) + spare_;
  const uint32_t table_end = kHeader + kEntry * capacity;
  std::vector<uint8_t> out(table_end, 0);
  PutBe32(out, 0, table_end);
  PutBe32(out, 4, has_data_part_ ? 1 : 0);
  PutBe32(out, 8, has_data_part_ ? DataPartOffset() : 0);
  for (size_t i = 0; i < resources_.size(); ++i) {
    const Resource& r = resources_[i];
    const size_t e = kHeader + kEntry * i;
    std::memcpy(&out[e], r.type, 4);
    PutBe32(out, e + 4, uint32_t(r.bytes.size()));
    PutBe32(out, e + 8, uint32_t(out.size()));
    PutBe16(out, e + 12, r.id);
    out[e + 14] = uint8_t(r.name.size());
    std::memcpy(&out[e + 15], r.name.data(), r.name.size());
    out.insert(out.end(), r.bytes.begin(), r.bytes.end());
  }
  if (has_data_part_) out.insert(out.end(), data_part_.begin(), data_part_.end());
  return out;
}

bool ContainerWriter::WriteFile(const std::string& path, std::string* error) const {
  const std::vector<uint8_t> bytes = Build();
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  file.close();
  if (!file) {
    if (error) *error = "cannot write " + path;
    return false;
  }
  return true;
}
