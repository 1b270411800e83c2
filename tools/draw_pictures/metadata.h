#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Payloads of the metadata segments embedded in every generated picture.
// Each payload already starts with its identifying namespace string, so it
// can be handed to jpeg_write_marker unchanged.

inline constexpr const char *kCreatorTool = "Velquin picture generator";

// APP1 "Exif\0\0" + a little-endian TIFF structure: IFD0 (orientation,
// resolution, software, ...) and an Exif sub-IFD with the pixel size.
// No date tags, so the output stays byte-identical from run to run.
std::vector<std::uint8_t> exifPayload(int width, int height);

// APP1 "http://ns.adobe.com/xap/1.0/\0" + an XMP packet naming the picture.
std::vector<std::uint8_t> xmpPayload(const std::string &title);
