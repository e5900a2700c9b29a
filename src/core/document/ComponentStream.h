#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace bix {

// The value tags of a component stream; no others occur in project files.
enum class TValueType : std::uint8_t {
    Null = 0,  // end of a list
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    String = 6,
    LString = 12,
};

// Writes the elements of a component stream into a byte buffer.
class TComponentWriter final {
public:
    explicit TComponentWriter(std::string& out) : m_out(out) {}

    void WriteSignature();
    // One length byte, then the bytes (cut to 255); no tag. Class, component and property names.
    void WriteShortName(std::string_view name);
    // The smallest of the tags 2, 3 and 4 that holds the value.
    void WriteInteger(std::int32_t value);
    // Tag 6 up to 255 bytes, tag 12 above.
    void WriteString(std::string_view text);
    // Tag 1, each line as a string value, tag 0.
    void WriteStringList(const std::vector<std::string>& lines);
    void WriteListEnd();
    void WriteRaw(std::string_view bytes);

private:
    void Byte(std::uint8_t b) { m_out += static_cast<char>(b); }
    void LittleEndian(std::uint32_t value, int bytes);
    std::string& m_out;
};

// Reads the elements of a component stream; every read that would pass the end of the data, or that
// meets a tag it does not expect, throws EBixError. Nothing is allocated beyond the data's own size.
class TComponentReader final {
public:
    explicit TComponentReader(std::string_view data) : m_data(data) {}

    std::size_t Position() const { return m_pos; }
    std::size_t Remaining() const { return m_data.size() - m_pos; }

    // Throws "Invalid stream format" unless the next four bytes are "TPF0".
    void ReadSignature();
    std::string ReadShortName();
    TValueType NextValue() const;
    bool EndOfList() const;
    void ReadListEnd();
    std::int32_t ReadInteger();
    std::string ReadString();
    std::vector<std::string> ReadStringList();
    std::string_view ReadRaw(std::size_t count);
    std::uint8_t ReadByte();
    std::uint8_t PeekByte() const;

private:
    void Need(std::size_t count) const;
    std::uint32_t LittleEndian(int bytes);
    std::string_view m_data;
    std::size_t m_pos = 0;
};

}  // namespace bix
