#include "metadata.h"

#include <stdexcept>
#include <string_view>

namespace {

// TIFF field types used below.
constexpr std::uint16_t kAscii = 2;
constexpr std::uint16_t kShort = 3;
constexpr std::uint16_t kLong = 4;
constexpr std::uint16_t kRational = 5;
constexpr std::uint16_t kUndefined = 7;

struct Entry {
    std::uint16_t tag;
    std::uint16_t type;
    std::uint32_t count;
    // Value bytes as they appear in the file (little-endian). Up to four
    // bytes are stored inline in the entry, longer values go to the data
    // area that follows the IFD and the entry holds their offset.
    std::vector<std::uint8_t> value;
};

void putU16(std::vector<std::uint8_t> &out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void putU32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
}

void setU32(std::vector<std::uint8_t> &out, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
}

Entry shortEntry(std::uint16_t tag, std::uint16_t v)
{
    Entry e{tag, kShort, 1, {}};
    putU16(e.value, v);
    return e;
}

Entry longEntry(std::uint16_t tag, std::uint32_t v)
{
    Entry e{tag, kLong, 1, {}};
    putU32(e.value, v);
    return e;
}

Entry rationalEntry(std::uint16_t tag, std::uint32_t num, std::uint32_t den)
{
    Entry e{tag, kRational, 1, {}};
    putU32(e.value, num);
    putU32(e.value, den);
    return e;
}

Entry asciiEntry(std::uint16_t tag, std::string_view text)
{
    Entry e{tag, kAscii, static_cast<std::uint32_t>(text.size() + 1), {}};
    e.value.assign(text.begin(), text.end());
    e.value.push_back(0);  // TIFF ASCII counts include the terminating NUL
    return e;
}

Entry undefinedEntry(std::uint16_t tag, std::string_view bytes)
{
    Entry e{tag, kUndefined, static_cast<std::uint32_t>(bytes.size()), {}};
    e.value.assign(bytes.begin(), bytes.end());
    return e;
}

// Appends one IFD at the end of `tiff` (offsets are relative to the start
// of the TIFF header, which is byte 0 of `tiff`). Returns the position of
// each entry's value field so pointer tags can be patched afterwards.
std::vector<std::size_t> appendIfd(std::vector<std::uint8_t> &tiff, const std::vector<Entry> &entries)
{
    if (tiff.size() % 2 != 0)
        tiff.push_back(0);  // IFDs must start on a word boundary

    const std::size_t ifdStart = tiff.size();
    const std::size_t dataStart = ifdStart + 2 + 12 * entries.size() + 4;
    std::vector<std::uint8_t> data;
    std::vector<std::size_t> valuePositions;

    putU16(tiff, static_cast<std::uint16_t>(entries.size()));
    for (const Entry &e : entries) {
        putU16(tiff, e.tag);
        putU16(tiff, e.type);
        putU32(tiff, e.count);
        valuePositions.push_back(tiff.size());
        if (e.value.size() <= 4) {
            std::vector<std::uint8_t> inlineValue = e.value;
            inlineValue.resize(4, 0);
            tiff.insert(tiff.end(), inlineValue.begin(), inlineValue.end());
        } else {
            putU32(tiff, static_cast<std::uint32_t>(dataStart + data.size()));
            data.insert(data.end(), e.value.begin(), e.value.end());
            if (data.size() % 2 != 0)
                data.push_back(0);  // keep every value word-aligned
        }
    }
    putU32(tiff, 0);  // no next IFD: there is no thumbnail
    tiff.insert(tiff.end(), data.begin(), data.end());
    return valuePositions;
}

// Segment payload: identifying string (with its NULs) followed by the data.
template <typename Bytes>
std::vector<std::uint8_t> prefixed(std::string_view id, const Bytes &data)
{
    std::vector<std::uint8_t> payload;
    payload.reserve(id.size() + data.size());
    for (char c : id)
        payload.push_back(static_cast<std::uint8_t>(c));
    for (auto b : data)
        payload.push_back(static_cast<std::uint8_t>(b));
    return payload;
}

}  // namespace

std::vector<std::uint8_t> exifPayload(int width, int height)
{
    // Tags inside an IFD must be sorted by tag number.
    const std::vector<Entry> ifd0 = {
        shortEntry(0x0112, 1),          // Orientation: top-left, no rotation
        rationalEntry(0x011A, 72, 1),   // XResolution
        rationalEntry(0x011B, 72, 1),   // YResolution
        shortEntry(0x0128, 2),          // ResolutionUnit: inch
        asciiEntry(0x0131, kCreatorTool),  // Software
        shortEntry(0x0213, 1),          // YCbCrPositioning: centred
        longEntry(0x8769, 0),           // ExifIFDPointer, patched below
    };
    const std::vector<Entry> exifIfd = {
        undefinedEntry(0x9000, "0232"),  // ExifVersion 2.32
        shortEntry(0xA001, 1),           // ColorSpace: sRGB
        longEntry(0xA002, static_cast<std::uint32_t>(width)),   // PixelXDimension
        longEntry(0xA003, static_cast<std::uint32_t>(height)),  // PixelYDimension
    };

    std::vector<std::uint8_t> tiff = {'I', 'I', 42, 0};  // little-endian TIFF
    putU32(tiff, 8);  // IFD0 follows the 8-byte header directly
    const std::vector<std::size_t> positions = appendIfd(tiff, ifd0);
    if (tiff.size() % 2 != 0)
        tiff.push_back(0);
    setU32(tiff, positions.back(), static_cast<std::uint32_t>(tiff.size()));
    appendIfd(tiff, exifIfd);

    using namespace std::string_view_literals;
    return prefixed("Exif\0\0"sv, tiff);
}

namespace {

std::string xmlEscaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> xmpPayload(const std::string &title)
{
    // dc:title is a language alternative in XMP, hence the rdf:Alt.
    const std::string packet =
        "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "  <rdf:Description rdf:about=\"\"\n"
        "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
        "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
        "   <dc:title>\n"
        "    <rdf:Alt>\n"
        "     <rdf:li xml:lang=\"x-default\">" + xmlEscaped(title) + "</rdf:li>\n"
        "    </rdf:Alt>\n"
        "   </dc:title>\n"
        "   <xmp:CreatorTool>" + xmlEscaped(kCreatorTool) + "</xmp:CreatorTool>\n"
        "  </rdf:Description>\n"
        " </rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end=\"r\"?>";

    using namespace std::string_view_literals;
    std::vector<std::uint8_t> payload = prefixed("http://ns.adobe.com/xap/1.0/\0"sv, packet);
    if (payload.size() > 65533)
        throw std::length_error("XMP packet does not fit in one APP1 segment");
    return payload;
}
