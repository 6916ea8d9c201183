/* Opens a behaviour, shows its parameters and pose half-way through, and draws a white picture at that pose.
 *   cc play_pose.c $(pkg-config --cflags --libs motivra) -o play_pose && ./play_pose spin.vmr */
#include <motivra/motivra.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s BEHAVIOUR.vmr\n", argv[0]);
        return 2;
    }
    char error[256];
    motivra_behaviour* behaviour = motivra_open(argv[1], error, sizeof error);
    if (behaviour == NULL) {
        fprintf(stderr, "%s\n", error);
        return 1;
    }
    motivra_header header;
    motivra_read_header(behaviour, &header);
    printf("%s (libmotivra %s)\n", header.thumbnail_text, motivra_version());

    double values[MOTIVRA_PARAMETER_COUNT];
    motivra_evaluate(behaviour, 0.5, values);
    for (int p = 0; p < MOTIVRA_PARAMETER_COUNT; ++p) {
        motivra_track track;
        motivra_read_track(behaviour, p, &track);
        if (track.enabled) printf("  %-12s %g\n", motivra_parameter_name(p), values[p]);
    }

    enum { W = 320, H = 240 };
    double corners[8], alpha;
    motivra_pose(behaviour, 0.5, MOTIVRA_WHOLE_FRAME, W, H, corners, &alpha);
    printf("corners at t = 0.5: (%.1f, %.1f) (%.1f, %.1f) (%.1f, %.1f) (%.1f, %.1f), alpha %.0f\n", corners[0],
           corners[1], corners[2], corners[3], corners[4], corners[5], corners[6], corners[7], alpha);

    unsigned char* picture = malloc(4 * W * H);
    unsigned char* frame = malloc(4 * W * H);
    memset(picture, 255, 4 * W * H);
    int status = motivra_render(behaviour, 0.5, picture, W, H, 4 * W, frame, W, H, 4 * W, MOTIVRA_WHOLE);
    long covered = 0;
    for (int i = 0; i < W * H; ++i) covered += frame[4 * i + 3] > 0;
    printf("%ld of %d pixels covered\n", covered, W * H);
    free(picture);
    free(frame);
    motivra_close(behaviour);
    return status == MOTIVRA_OK ? 0 : 1;
}
