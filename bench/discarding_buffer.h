#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace dorvex::bench {

// Takes text the way /dev/null does, but in memory: every byte is really
// written, into a ring small enough to stay in the cache, so that what is
// timed is the producing of the text and not the disk or the kernel.
class DiscardingBuffer {
 public:
  static constexpr std::size_t kMaxPiece = 4096;

  // Room for up to kMaxPiece bytes; Commit says how many were written.
  char* Space() {
    if (bytes_.size() - position_ < kMaxPiece) position_ = 0;
    return bytes_.data() + position_;
  }
  void Commit(std::size_t written) {
    position_ += written;
    total_ += written;
  }
  void Append(std::string_view text) {
    for (std::size_t done = 0; done < text.size(); done += kMaxPiece) {
      const std::string_view piece = text.substr(done, kMaxPiece);
      std::copy(piece.begin(), piece.end(), Space());
      Commit(piece.size());
    }
  }

  std::size_t Total() const { return total_; }

 private:
  std::array<char, 1 << 16> bytes_{};
  std::size_t position_ = 0;
  std::size_t total_ = 0;
};

}  // namespace dorvex::bench
