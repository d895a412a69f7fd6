#pragma once
// Little-endian reading and writing of the game's flat binary records. The
// reader never reads past its end: a short record makes it fail, and every
// later read fails too, so a loader checks `ok()` once at the end.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/field_list.h"

namespace duskmoor {

// The records' field lists (`Fields`) name every field for readers of names;
// a file holds the fields in order and nothing else. A reader or writer
// derives from this to take the named calls by order alone.
template <typename Derived>
class InFileOrder {
  public:
    template <typename T>
    void Field(const char* /*name*/, T& value) {
        self().Field(value);
    }
    template <typename T, size_t N>
    void Field(const char* /*name*/, std::array<T, N>& values) {
        for (T& value : values) self().Field(value);
    }
    template <typename T, size_t N>
    void Field(const char* /*name*/, const std::array<T, N>& values) {
        for (const T& value : values) self().Field(value);
    }
    template <typename Record>
    void Nested(const char* /*name*/, size_t /*index*/, Record& record) {
        VisitFields(self(), record);
    }

  private:
    Derived& self() { return static_cast<Derived&>(*this); }
};

class ByteReader : public InFileOrder<ByteReader> {
  public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

    void Field(int16_t& value);
    void Field(int32_t& value);
    void Field(float& value);
    // A text is a 16-bit unsigned length followed by that many 8-bit bytes.
    void Field(std::string& cp1252_text);

    using InFileOrder<ByteReader>::Field;

    bool ok() const { return ok_; }
    size_t position() const { return position_; }
    size_t remaining() const { return ok_ ? size_ - position_ : 0; }
    bool AtEnd() const { return ok_ && position_ == size_; }
    // Where and why the reader stopped, for messages and the file inspector.
    const std::string& error() const { return error_; }

  private:
    bool Take(size_t count, const uint8_t*& out, const char* what);

    const uint8_t* data_;
    size_t size_;
    size_t position_ = 0;
    bool ok_ = true;
    std::string error_;
};

class ByteWriter : public InFileOrder<ByteWriter> {
  public:
    void Field(const int16_t& value);
    void Field(const int32_t& value);
    void Field(const float& value);
    void Field(const std::string& cp1252_text);

    using InFileOrder<ByteWriter>::Field;

    const std::vector<uint8_t>& bytes() const { return bytes_; }
    bool ok() const { return ok_; }

  private:
    void Put(uint32_t value, int count);
    std::vector<uint8_t> bytes_;
    bool ok_ = true;
};

}  // namespace duskmoor
