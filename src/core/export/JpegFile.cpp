#include "export/JpegFile.h"

#include "common/FileWrite.h"

#include <cstdio>
#include <jpeglib.h>
#include <system_error>

namespace vlm {

std::optional<std::string> EncodeJpeg(const TRgbBitmap& bitmap) {
    if (!bitmap.Valid())
        return std::nullopt;
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(bitmap.Width);
    info.image_height = static_cast<JDIMENSION>(bitmap.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_start_compress(&info, TRUE);
    const std::size_t stride = static_cast<std::size_t>(bitmap.Width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(bitmap.Pixels.data() + info.next_scanline * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

bool WriteJpegFile(const std::filesystem::path& file, const TRgbBitmap& bitmap) {
    const auto bytes = EncodeJpeg(bitmap);
    if (!bytes)
        return false;
    std::error_code ec;
    std::filesystem::create_directories(file.parent_path(), ec);
    return WriteFileBytes(file, *bytes);
}

} // namespace vlm
