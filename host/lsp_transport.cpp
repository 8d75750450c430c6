// Header parsing for the language server's message frames.
#include "host/lsp_transport.h"

#include <cctype>

#include <nlohmann/json.hpp>

MessageReader::Status MessageReader::Next(std::string* body, std::string* error) {
  const size_t header_end = buffer_.find("\r\n\r\n");
  if (header_end == std::string::npos) {
    // A header never grows this long: drop it rather than wait for ever.
    if (buffer_.size() > 8192) {
      buffer_.clear();
      *error = "a message header longer than 8192 bytes without an end";
      return Status::kBadHeader;
    }
    return Status::kNeedMore;
  }
  const std::string_view header(buffer_.data(), header_end);
  // The last "Content-Length:" of the header counts, wherever it starts: bytes
  // left over from a frame whose length claimed too little come before it.
  std::string lower(header);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const size_t field = lower.rfind("content-length:");
  size_t length = 0;
  const bool have_length = field != std::string::npos;
  bool bad_length = false;
  if (have_length) {
    std::string_view value = header.substr(field + 15);
    value = value.substr(0, value.find("\r\n"));
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    bad_length = value.empty();
    for (const char c : value) {
      if (c < '0' || c > '9' || length > kLongestBody) {
        bad_length = true;
        break;
      }
      length = length * 10 + static_cast<size_t>(c - '0');
    }
  }
  if (!have_length || bad_length || length > kLongestBody) {
    buffer_.erase(0, header_end + 4);
    *error = !have_length ? "a message without a Content-Length header"
                          : "a Content-Length that is not a number of at most 64 MB";
    return Status::kBadHeader;
  }
  if (buffer_.size() - header_end - 4 < length) return Status::kNeedMore;
  body->assign(buffer_, header_end + 4, length);
  buffer_.erase(0, header_end + 4 + length);
  return Status::kMessage;
}

std::string FrameMessage(std::string_view body) {
  std::string out = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
  out.append(body);
  return out;
}

std::vector<std::string> TakeBodies(MessageReader& reader, std::vector<std::string>* frame_errors) {
  std::vector<std::string> bodies;
  for (;;) {
    std::string body;
    std::string error;
    const MessageReader::Status status = reader.Next(&body, &error);
    if (status == MessageReader::Status::kNeedMore) return bodies;
    if (status == MessageReader::Status::kBadHeader) {
      frame_errors->push_back(error);
      continue;
    }
    const size_t next = body.find("Content-Length:");
    if (next != std::string::npos && !nlohmann::json::accept(body)) {
      reader.Unread(std::string_view(body).substr(next));
      body.resize(next);
    }
    bodies.push_back(std::move(body));
  }
}
