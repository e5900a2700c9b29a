#include "ComponentStream.h"

#include "core/common/Errors.h"

namespace bix {

namespace {

constexpr std::string_view kSignature = "TPF0";

[[noreturn]] void InvalidFormat() {
    throw EBixError("Invalid stream format");
}

}  // namespace

void TComponentWriter::LittleEndian(std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        Byte(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFU));
    }
}

void TComponentWriter::WriteSignature() {
    m_out += kSignature;
}

void TComponentWriter::WriteShortName(std::string_view name) {
    name = name.substr(0, 255);
    Byte(static_cast<std::uint8_t>(name.size()));
    m_out += name;
}

void TComponentWriter::WriteInteger(std::int32_t value) {
    if (value >= -128 && value <= 127) {
        Byte(static_cast<std::uint8_t>(TValueType::Int8));
        LittleEndian(static_cast<std::uint32_t>(value), 1);
    } else if (value >= -32768 && value <= 32767) {
        Byte(static_cast<std::uint8_t>(TValueType::Int16));
        LittleEndian(static_cast<std::uint32_t>(value), 2);
    } else {
        Byte(static_cast<std::uint8_t>(TValueType::Int32));
        LittleEndian(static_cast<std::uint32_t>(value), 4);
    }
}

void TComponentWriter::WriteString(std::string_view text) {
    if (text.size() <= 255) {
        Byte(static_cast<std::uint8_t>(TValueType::String));
        Byte(static_cast<std::uint8_t>(text.size()));
    } else {
        Byte(static_cast<std::uint8_t>(TValueType::LString));
        LittleEndian(static_cast<std::uint32_t>(text.size()), 4);
    }
    m_out += text;
}

void TComponentWriter::WriteStringList(const std::vector<std::string>& lines) {
    Byte(static_cast<std::uint8_t>(TValueType::List));
    for (const auto& line : lines) {
        WriteString(line);
    }
    WriteListEnd();
}

void TComponentWriter::WriteListEnd() {
    Byte(static_cast<std::uint8_t>(TValueType::Null));
}

void TComponentWriter::WriteRaw(std::string_view bytes) {
    m_out += bytes;
}

void TComponentReader::Need(std::size_t count) const {
    if (count > Remaining()) {
        throw EBixError("Stream read error: the file ends inside a value");
    }
}

std::uint8_t TComponentReader::PeekByte() const {
    Need(1);
    return static_cast<std::uint8_t>(m_data[m_pos]);
}

std::uint8_t TComponentReader::ReadByte() {
    const std::uint8_t b = PeekByte();
    ++m_pos;
    return b;
}

std::uint32_t TComponentReader::LittleEndian(int bytes) {
    Need(static_cast<std::size_t>(bytes));
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) {
        value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(m_data[m_pos++])) << (8 * i);
    }
    return value;
}

std::string_view TComponentReader::ReadRaw(std::size_t count) {
    Need(count);
    const std::string_view bytes = m_data.substr(m_pos, count);
    m_pos += count;
    return bytes;
}

void TComponentReader::ReadSignature() {
    if (Remaining() < kSignature.size() || m_data.substr(m_pos, kSignature.size()) != kSignature) {
        InvalidFormat();
    }
    m_pos += kSignature.size();
}

std::string TComponentReader::ReadShortName() {
    const std::uint8_t length = ReadByte();
    return std::string(ReadRaw(length));
}

TValueType TComponentReader::NextValue() const {
    return static_cast<TValueType>(PeekByte());
}

bool TComponentReader::EndOfList() const {
    return NextValue() == TValueType::Null;
}

void TComponentReader::ReadListEnd() {
    if (ReadByte() != static_cast<std::uint8_t>(TValueType::Null)) {
        InvalidFormat();
    }
}

std::int32_t TComponentReader::ReadInteger() {
    switch (static_cast<TValueType>(ReadByte())) {
        case TValueType::Int8:
            return static_cast<std::int8_t>(LittleEndian(1));
        case TValueType::Int16:
            return static_cast<std::int16_t>(LittleEndian(2));
        case TValueType::Int32:
            return static_cast<std::int32_t>(LittleEndian(4));
        default:
            throw EBixError("Invalid property value");
    }
}

std::string TComponentReader::ReadString() {
    switch (static_cast<TValueType>(ReadByte())) {
        case TValueType::String:
            return std::string(ReadRaw(ReadByte()));
        case TValueType::LString:
            return std::string(ReadRaw(LittleEndian(4)));
        default:
            throw EBixError("Invalid property value");
    }
}

std::vector<std::string> TComponentReader::ReadStringList() {
    if (static_cast<TValueType>(ReadByte()) != TValueType::List) {
        throw EBixError("Invalid property value");
    }
    std::vector<std::string> lines;
    while (!EndOfList()) {
        lines.push_back(ReadString());
    }
    ReadListEnd();
    return lines;
}

}  // namespace bix
