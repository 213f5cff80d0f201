/* The screen of an X display, read with Xlib, for the real-window check (scripts/window_check.sh).
 *   xprobe pixel X Y                      the pixel's colour, rrggbb
 *   xprobe png FILE [X Y W H]             the screen or a region as a PNG picture
 *   xprobe grab X Y W H FILE              a region's pixels, raw, as a reference
 *   xprobe same X Y W H FILE              status 0 when the region shows the reference
 *   xprobe wait-same X Y W H FILE MS      status 0 once it does, within MS milliseconds
 *   xprobe wait-other X Y W H FILE MS     status 0 once it no longer does, within MS
 *   xprobe wait-change X Y W H MS         status 0 once the region changes, within MS
 *   xprobe wait-drawn X Y W H MS          status 0 once the region is not of one colour, within MS
 * A region "shows" a reference when at most a 400th of its pixels (at least 4) differ: a
 * stray pixel must not fail a check, while a box, a page or a line of text differs by more.
 * The times taken are printed in milliseconds. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <zlib.h>

static Display* display;

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static void sleep_ms(int ms) {
    struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

/* The region as packed RGB bytes (w * h * 3), or NULL when it cannot be read. */
static uint8_t* grab(int x, int y, int w, int h) {
    XImage* im = XGetImage(display, DefaultRootWindow(display), x, y, (unsigned)w, (unsigned)h, AllPlanes, ZPixmap);
    if (!im) return NULL;
    uint8_t* rgb = malloc((size_t)w * h * 3);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            unsigned long p = XGetPixel(im, i, j);
            uint8_t* o = rgb + ((size_t)j * w + i) * 3;
            o[0] = (uint8_t)(p >> 16);
            o[1] = (uint8_t)(p >> 8);
            o[2] = (uint8_t)p;
        }
    XDestroyImage(im);
    return rgb;
}

static long differing(const uint8_t* a, const uint8_t* b, int w, int h) {
    long n = 0;
    for (long k = 0; k < (long)w * h; ++k)
        if (memcmp(a + 3 * k, b + 3 * k, 3) != 0) ++n;
    return n;
}

static int shows(const uint8_t* now, const uint8_t* ref, int w, int h) {
    const long area = (long)w * h, allowed = area / 400 > 4 ? area / 400 : 4;
    return differing(now, ref, w, h) <= allowed;
}

static uint8_t* read_reference(const char* path, int w, int h) {
    FILE* f = fopen(path, "rb");
    if (!f) return NULL;
    uint8_t* ref = malloc((size_t)w * h * 3);
    size_t got = fread(ref, 1, (size_t)w * h * 3, f);
    fclose(f);
    if (got != (size_t)w * h * 3) {
        free(ref);
        return NULL;
    }
    return ref;
}

static void put32(FILE* f, uint32_t v) {
    uint8_t b[4] = {(uint8_t)(v >> 24), (uint8_t)(v >> 16), (uint8_t)(v >> 8), (uint8_t)v};
    fwrite(b, 1, 4, f);
}

static void chunk(FILE* f, const char* type, const uint8_t* data, uint32_t size) {
    put32(f, size);
    fwrite(type, 1, 4, f);
    if (size) fwrite(data, 1, size, f);
    uLong crc = crc32(0, (const Bytef*)type, 4);
    if (size) crc = crc32(crc, data, size);
    put32(f, (uint32_t)crc);
}

static int write_png(const char* path, const uint8_t* rgb, int w, int h) {
    size_t row = (size_t)w * 3 + 1, raw_size = row * h;
    uint8_t* raw = malloc(raw_size);
    for (int j = 0; j < h; ++j) {
        raw[row * j] = 0;
        memcpy(raw + row * j + 1, rgb + (size_t)w * 3 * j, (size_t)w * 3);
    }
    uLongf packed_size = compressBound(raw_size);
    uint8_t* packed = malloc(packed_size);
    compress(packed, &packed_size, raw, raw_size);
    FILE* f = fopen(path, "wb");
    if (!f) return 1;
    fwrite("\x89PNG\r\n\x1a\n", 1, 8, f);
    uint8_t header[13] = {0};
    for (int k = 0; k < 4; ++k) {
        header[k] = (uint8_t)((uint32_t)w >> (24 - 8 * k));
        header[4 + k] = (uint8_t)((uint32_t)h >> (24 - 8 * k));
    }
    header[8] = 8; /* bits per sample */
    header[9] = 2; /* RGB */
    chunk(f, "IHDR", header, 13);
    chunk(f, "IDAT", packed, (uint32_t)packed_size);
    chunk(f, "IEND", NULL, 0);
    fclose(f);
    free(raw);
    free(packed);
    return 0;
}

static int usage(void) {
    fprintf(stderr, "usage: xprobe pixel X Y | png FILE [X Y W H] | grab X Y W H FILE | same X Y W H FILE |\n"
                    "       wait-same X Y W H FILE MS | wait-other X Y W H FILE MS |\n"
                    "       wait-change X Y W H MS | wait-drawn X Y W H MS\n");
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xprobe: no display\n");
        return 2;
    }
    const char* what = argv[1];
    if (!strcmp(what, "pixel") && argc == 4) {
        uint8_t* p = grab(atoi(argv[2]), atoi(argv[3]), 1, 1);
        if (!p) return 2;
        printf("%02x%02x%02x\n", p[0], p[1], p[2]);
        return 0;
    }
    if (!strcmp(what, "png") && (argc == 3 || argc == 7)) {
        int x = 0, y = 0, w = DisplayWidth(display, 0), h = DisplayHeight(display, 0);
        if (argc == 7) x = atoi(argv[3]), y = atoi(argv[4]), w = atoi(argv[5]), h = atoi(argv[6]);
        uint8_t* rgb = grab(x, y, w, h);
        return rgb ? write_png(argv[2], rgb, w, h) : 2;
    }
    if (argc < 7) return usage();
    const int x = atoi(argv[2]), y = atoi(argv[3]), w = atoi(argv[4]), h = atoi(argv[5]);
    if (w <= 0 || h <= 0) return usage();
    if (!strcmp(what, "grab") && argc == 7) {
        uint8_t* rgb = grab(x, y, w, h);
        FILE* f = fopen(argv[6], "wb");
        if (!rgb || !f) return 2;
        fwrite(rgb, 1, (size_t)w * h * 3, f);
        fclose(f);
        return 0;
    }
    const int other = !strcmp(what, "wait-other") && argc == 8;
    if ((!strcmp(what, "same") && argc == 7) || (!strcmp(what, "wait-same") && argc == 8) || other) {
        uint8_t* ref = read_reference(argv[6], w, h);
        if (!ref) {
            fprintf(stderr, "xprobe: no reference %s\n", argv[6]);
            return 2;
        }
        const double start = now_ms(), limit = argc == 8 ? atof(argv[7]) : 0;
        for (;;) {
            uint8_t* rgb = grab(x, y, w, h);
            if (!rgb) return 2;
            long n = differing(rgb, ref, w, h);
            int ok = shows(rgb, ref, w, h) != other;
            free(rgb);
            if (ok || now_ms() - start >= limit) {
                printf("%.0f ms, %ld of %d pixels differ\n", now_ms() - start, n, w * h);
                return ok ? 0 : 1;
            }
            sleep_ms(20);
        }
    }
    if (!strcmp(what, "wait-drawn") && argc == 7) {
        const double start = now_ms(), limit = atof(argv[6]);
        for (;;) {
            uint8_t* rgb = grab(x, y, w, h);
            if (!rgb) return 2;
            long k = 1;
            while (k < (long)w * h && !memcmp(rgb, rgb + 3 * k, 3)) ++k;
            free(rgb);
            if (k < (long)w * h || now_ms() - start >= limit) {
                printf("%.0f\n", now_ms() - start);
                return k < (long)w * h ? 0 : 1;
            }
            sleep_ms(20);
        }
    }
    if (!strcmp(what, "wait-change") && argc == 7) {
        uint8_t* before = grab(x, y, w, h);
        if (!before) return 2;
        const double start = now_ms(), limit = atof(argv[6]);
        for (;;) {
            uint8_t* rgb = grab(x, y, w, h);
            if (!rgb) return 2;
            long n = differing(rgb, before, w, h);
            free(rgb);
            if (n > 0) {
                printf("%.0f\n", now_ms() - start);
                return 0;
            }
            if (now_ms() - start >= limit) {
                printf("%.0f\n", now_ms() - start);
                return 1;
            }
            sleep_ms(2);
        }
    }
    return usage();
}
