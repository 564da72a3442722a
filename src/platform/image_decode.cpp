// PNG (libpng) and JPEG (libjpeg-turbo) decoding, and PNG encoding, in memory.
//
// Both libraries report fatal errors by longjmp. Each setjmp sits in a
// function that owns no C++ object with a destructor, so nothing is skipped by
// the jump; the buffers live in the callers.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/image_codec.h"

namespace platform {

bool looksLikePNG(const uint8_t* data, size_t size) {
    return size >= 8 && png_sig_cmp(const_cast<png_bytep>(data), 0, 8) == 0;
}

bool looksLikeJPEG(const uint8_t* data, size_t size) {
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

namespace {

bool sizeAcceptable(long long w, long long h) {
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide &&
           w * h <= kMaxImagePixels;
}

// ---------------------------------------------------------------- PNG read

struct PngSource {
    const uint8_t* data;
    size_t size;
    size_t pos;
};

void pngReadBytes(png_structp png, png_bytep out, png_size_t count) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (count > src->size - src->pos) png_error(png, "truncated");
    std::memcpy(out, src->data + src->pos, count);
    src->pos += count;
}

void pngIgnoreWarning(png_structp, png_const_charp) {}
void pngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Everything the jump may cross is plain data; the pixel buffer and the row
// table are the caller's.
struct PngJob {
    PngSource source;
    DecodedPicture* out;
    std::vector<png_bytep>* rows;
};

bool runPngDecode(png_structp png, png_infop info, PngJob& job) {
    if (setjmp(png_jmpbuf(png))) return false;

    png_set_read_fn(png, &job.source, pngReadBytes);
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_malloc_max(png, 64u * 1024u * 1024u);
    png_read_info(png, info);

    png_uint_32 w = 0, h = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &w, &h, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    // The buffers were sized from a first look at the header.
    if (static_cast<int>(w) != job.out->width || static_cast<int>(h) != job.out->height) return false;

    bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    job.out->hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;

    // Whatever the file holds, ask libpng for 8-bit RGBA.
    png_set_expand(png);  // palette to RGB, grey below 8 bits to 8, tRNS to alpha
    png_set_strip_16(png);
    if ((colorType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
    if ((colorType & PNG_COLOR_MASK_ALPHA) == 0 && !hasTrns) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);

    if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != 4 ||
        png_get_rowbytes(png, info) != static_cast<png_size_t>(w) * 4) {
        return false;
    }
    uint8_t* pixels = job.out->rgba.data();
    for (png_uint_32 y = 0; y < h; ++y) (*job.rows)[y] = pixels + static_cast<size_t>(y) * w * 4;
    png_read_image(png, job.rows->data());
    png_read_end(png, nullptr);
    return true;
}

// Reads the header only, so the caller can size the buffers before the
// decode proper.
bool pngDimensions(const uint8_t* data, size_t size, png_uint_32& w, png_uint_32& h) {
    // A minimal parse of IHDR: signature (8), length (4), "IHDR" (4), w, h.
    if (size < 24 || std::memcmp(data + 12, "IHDR", 4) != 0) return false;
    w = (png_uint_32(data[16]) << 24) | (png_uint_32(data[17]) << 16) | (png_uint_32(data[18]) << 8) | data[19];
    h = (png_uint_32(data[20]) << 24) | (png_uint_32(data[21]) << 16) | (png_uint_32(data[22]) << 8) | data[23];
    return sizeAcceptable(w, h);
}

// ---------------------------------------------------------------- JPEG read

struct JpegErrors {
    jpeg_error_mgr base;
    jmp_buf jump;
};

void jpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }
void jpegQuiet(j_common_ptr) {}
void jpegQuietLevel(j_common_ptr, int) {}

// Expands one decoded scan line to RGBA by the colour space libjpeg gives.
void expandJpegRow(const uint8_t* in, uint8_t* out, int width, int components, bool cmyk,
                   bool adobeInverted) {
    for (int x = 0; x < width; ++x) {
        const uint8_t* p = in + x * components;
        uint8_t* q = out + x * 4;
        if (cmyk) {
            // Adobe writes CMYK inverted (255 = no ink); others write plain ink.
            int c = p[0], m = p[1], y = p[2], k = p[3];
            if (!adobeInverted) { c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k; }
            q[0] = static_cast<uint8_t>(c * k / 255);
            q[1] = static_cast<uint8_t>(m * k / 255);
            q[2] = static_cast<uint8_t>(y * k / 255);
        } else if (components == 1) {
            q[0] = q[1] = q[2] = p[0];
        } else {
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
        }
        q[3] = 255;
    }
}

struct JpegJob {
    const uint8_t* data;
    size_t size;
    DecodedPicture* out;
    std::vector<uint8_t>* line;  // one scan line as libjpeg gives it
};

bool runJpegDecode(jpeg_decompress_struct& cinfo, JpegErrors& errors, JpegJob& job) {
    if (setjmp(errors.jump)) return false;

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job.data, static_cast<unsigned long>(job.size));
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
    if (!sizeAcceptable(cinfo.image_width, cinfo.image_height)) return false;

    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        cinfo.out_color_space = JCS_CMYK;
    } else if (cinfo.jpeg_color_space == JCS_GRAYSCALE) {
        cinfo.out_color_space = JCS_GRAYSCALE;
    } else {
        cinfo.out_color_space = JCS_RGB;
    }
    bool adobeInverted = cinfo.saw_Adobe_marker != 0;
    jpeg_start_decompress(&cinfo);

    int w = static_cast<int>(cinfo.output_width);
    int h = static_cast<int>(cinfo.output_height);
    int comps = cinfo.output_components;
    // The buffers were sized from a first look at the frame header.
    if (w != job.out->width || h != job.out->height || (comps != 1 && comps != 3 && comps != 4) ||
        (cmyk && comps != 4)) {
        return false;
    }
    job.out->hasAlpha = false;
    // The caller reserved both buffers for the largest case; only pointers
    // into them are taken here.
    uint8_t* lineBuf = job.line->data();
    uint8_t* pixels = job.out->rgba.data();
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = lineBuf;
        int y = static_cast<int>(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) return false;
        expandJpegRow(lineBuf, pixels + static_cast<size_t>(y) * w * 4, w, comps, cmyk, adobeInverted);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

// Reads the frame size from the SOFn marker so the buffers can be sized
// before the decoder runs.
bool jpegDimensions(const uint8_t* data, size_t size, int& w, int& h) {
    size_t pos = 2;
    while (pos + 4 <= size) {
        if (data[pos] != 0xFF) return false;
        uint8_t marker = data[pos + 1];
        if (marker == 0xFF) { ++pos; continue; }
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) { pos += 2; continue; }
        size_t len = (size_t(data[pos + 2]) << 8) | data[pos + 3];
        if (len < 2) return false;
        bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (sof) {
            if (pos + 9 > size) return false;
            h = (data[pos + 5] << 8) | data[pos + 6];
            w = (data[pos + 7] << 8) | data[pos + 8];
            return sizeAcceptable(w, h);
        }
        pos += 2 + len;
    }
    return false;
}

// ---------------------------------------------------------------- PNG write

void pngAppend(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::string*>(png_get_io_ptr(png));
    out->append(reinterpret_cast<const char*>(data), length);
}
void pngFlushNothing(png_structp) {}

bool runPngEncode(png_structp png, png_infop info, int w, int h, png_bytep* rows, std::string* out) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, out, pngAppend, pngFlushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 6);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

}  // namespace

bool decodePNG(const uint8_t* data, size_t size, DecodedPicture& out) {
    out = DecodedPicture{};
    if (!looksLikePNG(data, size)) return false;
    png_uint_32 w = 0, h = 0;
    if (!pngDimensions(data, size, w, h)) return false;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngIgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    out.width = static_cast<int>(w);
    out.height = static_cast<int>(h);
    out.rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    std::vector<png_bytep> rows(h, nullptr);
    PngJob job{PngSource{data, size, 0}, &out, &rows};
    bool ok = runPngDecode(png, info, job);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) out = DecodedPicture{};
    return ok;
}

bool decodeJPEG(const uint8_t* data, size_t size, DecodedPicture& out) {
    out = DecodedPicture{};
    if (!looksLikeJPEG(data, size)) return false;
    int w = 0, h = 0;
    if (!jpegDimensions(data, size, w, h)) return false;

    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof(cinfo));
    JpegErrors errors;
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jpegFail;
    errors.base.output_message = jpegQuiet;
    errors.base.emit_message = jpegQuietLevel;

    out.width = w;
    out.height = h;
    out.rgba.assign(static_cast<size_t>(w) * h * 4, 0);
    std::vector<uint8_t> line(static_cast<size_t>(w) * 4, 0);
    JpegJob job{data, size, &out, &line};
    bool ok = runJpegDecode(cinfo, errors, job);
    jpeg_destroy_decompress(&cinfo);
    if (!ok) out = DecodedPicture{};
    return ok;
}

bool encodePNG(int width, int height, const std::vector<uint8_t>& rgba, std::string& out) {
    out.clear();
    if (!sizeAcceptable(width, height) || rgba.size() != static_cast<size_t>(width) * height * 4) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngError, pngIgnoreWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
        rows[y] = const_cast<png_bytep>(rgba.data() + static_cast<size_t>(y) * width * 4);
    bool ok = runPngEncode(png, info, width, height, rows.data(), &out);
    png_destroy_write_struct(&png, &info);
    if (!ok) out.clear();
    return ok;
}

}  // namespace platform
