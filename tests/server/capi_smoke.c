/* A C host of libtovserver.so: creates the object, installs the main panel through names and
 * variants, and writes a PNG snapshot of the screen. Each step's status is checked; the exit
 * status is the number of the first step that failed (0 when all passed).
 *
 * Usage: tov_capi_smoke <snapshot.png>
 */
#include <stdio.h>
#include <string.h>

#include "tov/tov.h"

static int Fail(int step, const char* what, unsigned long status) {
    fprintf(stderr, "step %d, %s: status 0x%08lX\n", step, what, status);
    return step;
}

static tov_variant I2(int v) {
    tov_variant variant;
    memset(&variant, 0, sizeof variant);
    variant.type = TOV_VT_I2;
    variant.integer = v;
    return variant;
}

int main(int argc, char** argv) {
    tov_object* object = NULL;
    int32_t dispid = 0;
    tov_variant arguments[4];
    tov_variant result;
    tov_status status;
    tov_panel_info panel;
    unsigned char signature[8];
    static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    FILE* file;
    int count;

    if (argc != 2) {
        fprintf(stderr, "usage: %s <snapshot.png>\n", argv[0]);
        return 100;
    }
    if (tov_configure(1024, 768) != 0) return Fail(1, "tov_configure", 0);

    status = tov_create("TovServer.MyQuendal", &object);
    if (status != TOV_S_OK || object == NULL) return Fail(2, "tov_create", status);

    status = tov_get_ids_of_names(object, "installpanel", &dispid);
    if (status != TOV_S_OK || dispid != 13) return Fail(3, "tov_get_ids_of_names", status);

    arguments[0] = I2(0);
    arguments[1] = I2(0);
    arguments[2] = I2(800);
    arguments[3] = I2(600);
    memset(&result, 0, sizeof result);
    status = tov_invoke(object, dispid, arguments, 4, &result, NULL);
    if (status != TOV_S_OK) return Fail(4, "InstallPanel", status);
    if (tov_popup_count() != 0) return Fail(4, "InstallPanel showed a popup", 0);

    count = tov_panels(&panel, 1);
    if (count != 1) return Fail(5, "tov_panels", (unsigned long)count);
    if (panel.left != 0 || panel.top != 0 || panel.width != 800 || panel.height != 600 ||
        !panel.visible) {
        return Fail(5, "the main panel's geometry", 0);
    }

    tov_present();
    count = tov_snapshot_screen(argv[1]);
    if (count != 0) return Fail(6, "tov_snapshot_screen", (unsigned long)count);
    file = fopen(argv[1], "rb");
    if (file == NULL) return Fail(7, "the snapshot file", 0);
    count = (int)fread(signature, 1, sizeof signature, file);
    fclose(file);
    if (count != 8 || memcmp(signature, kPng, 8) != 0) return Fail(7, "the PNG signature", 0);

    tov_release(object);
    printf("installed the main panel and wrote %s\n", argv[1]);
    return 0;
}
