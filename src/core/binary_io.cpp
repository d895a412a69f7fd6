#include "core/binary_io.h"

#include <cstring>

namespace duskmoor {

bool ByteReader::Take(size_t count, const uint8_t*& out, const char* what) {
    if (!ok_) return false;
    if (size_ - position_ < count) {
        ok_ = false;
        error_ = std::string("the file ends inside ") + what + " at byte " + std::to_string(position_) +
                 " (needs " + std::to_string(count) + ", has " + std::to_string(size_ - position_) + ")";
        return false;
    }
    out = data_ + position_;
    position_ += count;
    return true;
}

void ByteReader::Field(int16_t& value) {
    const uint8_t* p = nullptr;
    if (Take(2, p, "a 16-bit integer")) value = static_cast<int16_t>(p[0] | (p[1] << 8));
}

void ByteReader::Field(int32_t& value) {
    const uint8_t* p = nullptr;
    if (!Take(4, p, "a 32-bit integer")) return;
    uint32_t raw = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                   (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    value = static_cast<int32_t>(raw);
}

void ByteReader::Field(float& value) {
    int32_t raw = 0;
    Field(raw);
    if (ok_) std::memcpy(&value, &raw, sizeof value);
}

void ByteReader::Field(std::string& cp1252_text) {
    const uint8_t* p = nullptr;
    if (!Take(2, p, "a text length")) return;
    size_t length = static_cast<size_t>(p[0] | (p[1] << 8));
    if (!Take(length, p, "a text")) return;
    cp1252_text.assign(reinterpret_cast<const char*>(p), length);
}

void ByteWriter::Put(uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void ByteWriter::Field(const int16_t& value) {
    Put(static_cast<uint16_t>(value), 2);
}

void ByteWriter::Field(const int32_t& value) {
    Put(static_cast<uint32_t>(value), 4);
}

void ByteWriter::Field(const float& value) {
    uint32_t raw = 0;
    std::memcpy(&raw, &value, sizeof raw);
    Put(raw, 4);
}

void ByteWriter::Field(const std::string& cp1252_text) {
    // A text longer than its 16-bit length can say cannot be written faithfully.
    if (cp1252_text.size() > 0xFFFF) {
        ok_ = false;
        return;
    }
    Put(static_cast<uint32_t>(cp1252_text.size()), 2);
    bytes_.insert(bytes_.end(), cp1252_text.begin(), cp1252_text.end());
}

}  // namespace duskmoor
