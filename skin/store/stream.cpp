#include "stream.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace skin::store {

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::min(count, data_.size() - position_);
  if (n != 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  const std::size_t end = position_ + count;
  if (end < position_) throw EStreamError("Stream write error: size overflow");
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  try {
    // Appending copies once; resizing first would zero the bytes it overwrites.
    if (position_ == data_.size()) {
      data_.insert(data_.end(), bytes, bytes + count);
      position_ = end;
      return;
    }
    if (end > data_.size()) data_.resize(end);
  } catch (const std::bad_alloc&) {
    throw EStreamError("Stream write error: out of memory");
  } catch (const std::length_error&) {
    throw EStreamError("Stream write error: out of memory");
  }
  std::memcpy(data_.data() + position_, bytes, count);
  position_ = end;
}

void TMemoryStream::Seek(std::size_t position) { position_ = std::min(position, data_.size()); }

void TMemoryStream::Clear() {
  data_.clear();
  position_ = 0;
}

void TMemoryStream::SetSize(std::size_t size) {
  data_.resize(size);
  position_ = std::min(position_, size);
}

}  // namespace skin::store
