#include "maps/JpegDecoder.h"

#include "records/Errors.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onMessage(j_common_ptr, int) {}
} // namespace

// Runs the decoder; libjpeg's errors jump back here and give false. Only
// objects owned by the caller are touched after setjmp.
static bool decodeInto(jpeg_decompress_struct& info, ErrorManager& errors, std::string_view bytes,
                       RgbImage& image) {
    if (setjmp(errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + static_cast<std::size_t>(info.output_scanline) * image.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

RgbImage DecodeJpeg(std::string_view bytes) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onMessage;
    RgbImage image;
    const bool decoded = decodeInto(info, errors, bytes, image);
    jpeg_destroy_decompress(&info);
    if (!decoded) {
        throw BrennickError(std::string("Broken JPEG picture: ") + errors.message);
    }
    return image;
}
