// The base protocol of the language server: messages framed by a
// "Content-Length: N" header and an empty line. Bytes go in as they arrive;
// whole message bodies come out. A header without a usable length is
// reported and skipped, so one bad frame never stops the server.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class MessageReader {
 public:
  enum class Status { kMessage, kNeedMore, kBadHeader };

  // Bodies longer than this are refused as a bad header.
  static constexpr size_t kLongestBody = size_t{64} << 20;

  void Feed(std::string_view bytes) { buffer_.append(bytes); }
  // The next body, kNeedMore until one is complete, or kBadHeader (with
  // `error` saying why) after passing over a header that cannot be used.
  Status Next(std::string* body, std::string* error);
  // Gives back bytes of a body that turned out to hold the start of another
  // message (a Content-Length that claimed too much), to be read again.
  void Unread(std::string_view bytes) { buffer_.insert(0, bytes); }
  size_t buffered() const { return buffer_.size(); }

 private:
  std::string buffer_;
};

// Takes every complete body out of `reader`. A header that cannot be used
// adds its reason to `frame_errors`. A body that is not JSON but holds the
// start of another frame had a Content-Length that claimed too much: the
// rest is read again as the next frame.
std::vector<std::string> TakeBodies(MessageReader& reader, std::vector<std::string>* frame_errors);

// Frames one message body.
std::string FrameMessage(std::string_view body);
