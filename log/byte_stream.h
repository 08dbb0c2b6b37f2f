// SPDX-License-Identifier: GPL-3.0-or-later
// Where a log's bytes come from and go to: a file, a pipe or standard input
// read a chunk at a time, or bytes in memory; so that a log of any size is
// read and written in bounded memory.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tessaly {

// A read or write that the system refused: the message says why
// ("Is a directory").
class StreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Up to `most` bytes into `into`; 0 only at the end. Throws StreamError.
  virtual std::size_t Read(char* into, std::size_t most) = 0;
};

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // All of `bytes`, or throws StreamError.
  virtual void Write(std::string_view bytes) = 0;
};

// An open file descriptor, not closed here.
class DescriptorSource : public ByteSource {
 public:
  explicit DescriptorSource(int descriptor) : descriptor_(descriptor) {}
  std::size_t Read(char* into, std::size_t most) override;

 private:
  int descriptor_;
};

class DescriptorSink : public ByteSink {
 public:
  explicit DescriptorSink(int descriptor) : descriptor_(descriptor) {}
  void Write(std::string_view bytes) override;

 private:
  int descriptor_;
};

// Bytes in memory, given out at most `chunk` at a time (so that a test
// can make a reader's chunks end anywhere).
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes, std::size_t chunk = std::string_view::npos)
      : bytes_(bytes), chunk_(chunk) {}
  std::size_t Read(char* into, std::size_t most) override;

 private:
  std::string_view bytes_;
  std::size_t chunk_;
};

class StringSink : public ByteSink {
 public:
  void Write(std::string_view bytes) override { text_.append(bytes); }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace tessaly
