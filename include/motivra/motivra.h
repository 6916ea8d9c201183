/* libmotivra: plays Motivra behaviour files (.vmr) on a picture, for video software and scripts.
 *
 * A behaviour drives 13 parameters of a picture layer over a normalised time 0..1. Open a file, read its
 * header and tracks, evaluate its parameters at a time, get the four corners of the picture at that time
 * (its pose) and draw the picture there. Every function checks its arguments: a null pointer, a damaged file
 * or a zero size gives MOTIVRA_ERROR (or NULL), never a crash. Pictures are 8-bit RGBA, bytes in the order
 * R, G, B, A, rows `stride` bytes apart. */
#ifndef MOTIVRA_MOTIVRA_H
#define MOTIVRA_MOTIVRA_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define MOTIVRA_API __attribute__((visibility("default")))
#else
#define MOTIVRA_API
#endif

#define MOTIVRA_OK 0
#define MOTIVRA_ERROR (-1)

/* The parameters, in the editor's row order. */
enum motivra_parameter {
    MOTIVRA_X_POSITION = 0,
    MOTIVRA_Y_POSITION,
    MOTIVRA_DEGREES,
    MOTIVRA_ROTATIONS,
    MOTIVRA_X_SCALE,
    MOTIVRA_Y_SCALE,
    MOTIVRA_X_SHEAR,
    MOTIVRA_Y_SHEAR,
    MOTIVRA_X_3D,
    MOTIVRA_Y_3D,
    MOTIVRA_BLEND_MODE,
    MOTIVRA_ALPHA,
    MOTIVRA_ZOOM,
    MOTIVRA_PARAMETER_COUNT
};

/* Where the picture rests: in the middle third of the frame, as the editor's preview shows it, or covering
 * the whole frame, as a video effect does. X and Y Position move it in picture widths and heights. */
enum motivra_placement { MOTIVRA_MIDDLE_THIRD = 0, MOTIVRA_WHOLE_FRAME = 1 };

/* Flags of motivra_render. */
#define MOTIVRA_PREMULTIPLIED 1u /* picture and frame hold premultiplied alpha; else straight */
#define MOTIVRA_OVER 2u          /* draw over the frame; else the frame becomes the layer alone */
#define MOTIVRA_WHOLE 4u         /* the picture rests covering the whole frame; else in its middle third */
#define MOTIVRA_THREADS 8u       /* draw bands of rows on every core the machine has; else on this thread */

typedef struct motivra_behaviour motivra_behaviour;

/* The header of a behaviour file. */
typedef struct motivra_header {
    uint32_t lock_starts, lock_ends, lead_in, lead_out;
    char thumbnail_text[260]; /* UTF-8, NUL-terminated */
} motivra_header;

/* One track in the editor's units: it runs from start to end between the times start_time and end_time
 * (0..1), linearly or, when smooth, with cosine easing. A track that is not enabled keeps the parameter at
 * its home value. */
typedef struct motivra_track {
    int enabled;
    int smooth;
    double start, end;
    double start_time, end_time;
    double minimum, maximum, home;
} motivra_track;

/* The library's version, "MAJOR.MINOR.PATCH". */
MOTIVRA_API const char* motivra_version(void);
/* A parameter's name ("X Position"), or NULL for a number out of range. */
MOTIVRA_API const char* motivra_parameter_name(int parameter);

/* Opens a behaviour file as the editor shows it after loading it. NULL on failure, with the reason in error
 * (at most error_size bytes, NUL-terminated) when error is not NULL. */
MOTIVRA_API motivra_behaviour* motivra_open(const char* path, char* error, size_t error_size);
/* The same from bytes in memory. */
MOTIVRA_API motivra_behaviour* motivra_open_memory(const void* bytes, size_t size, char* error,
                                                   size_t error_size);
/* Frees the behaviour; NULL is ignored. */
MOTIVRA_API void motivra_close(motivra_behaviour* behaviour);

MOTIVRA_API int motivra_read_header(const motivra_behaviour* behaviour, motivra_header* header);
MOTIVRA_API int motivra_read_track(const motivra_behaviour* behaviour, int parameter, motivra_track* track);

/* Every parameter's value at time t (0..1) in the editor's units, into values[MOTIVRA_PARAMETER_COUNT]. */
MOTIVRA_API int motivra_evaluate(const motivra_behaviour* behaviour, double t, double* values);

/* The picture's corners at time t in pixels of a width x height frame, into corners[8] as x, y pairs: top
 * left, top right, bottom left, bottom right of the picture. *alpha receives the opacity 0..255. */
MOTIVRA_API int motivra_pose(const motivra_behaviour* behaviour, double t, int placement, int width,
                             int height, double* corners, double* alpha);

/* Draws the picture at its pose for time t into the frame: bilinear, with anti-aliased edges, the Alpha
 * track as opacity, transparent outside the picture (flags as above). */
MOTIVRA_API int motivra_render(const motivra_behaviour* behaviour, double t, const uint8_t* picture,
                               int picture_width, int picture_height, int picture_stride, uint8_t* frame,
                               int frame_width, int frame_height, int frame_stride, unsigned flags);

/* A video effect's time: the behaviour's time t (0..1) for the host's clock in seconds, when the behaviour
 * takes duration seconds from offset seconds on, loops (loop != 0) or holds its last pose, and position
 * (0..1) replaces the clock when it is 0 or more. A clock that is no finite number at or above 0 is ignored
 * (the position, or 0, holds) and *clock_ignored, when not NULL, is set to 1. */
MOTIVRA_API double motivra_effect_time(double clock, double duration, int loop, double offset,
                                       double position, int* clock_ignored);

#ifdef __cplusplus
}
#endif

#endif
