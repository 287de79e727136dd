/* tovserver's C interface: objects of the class myQuendal, calls of their 148 members by
 * DISPID with automation variants, and what a host or a test needs to look at the engine's
 * run-time (panels, controls, pixels, popups, snapshots) and to drive it (mouse, presentation).
 *
 * Sections: linkage; statuses; identities; variants; objects and calls; configuration;
 * introspection.
 *
 * All objects of one process share one engine, created on first use: the panels, the bitmap
 * selection and the high scores are the same whichever object calls. Calls are expected one at a
 * time; nothing here takes a lock. No function aborts or lets a C++ exception out, whatever its
 * arguments; null pointers are refused with a status.
 */
#ifndef TOV_TOV_H
#define TOV_TOV_H

#include <stddef.h>
#include <stdint.h>

/* --- Linkage ------------------------------------------------------------------------------ */
#if defined(TOV_STATIC_LINK)
#define TOV_API
#elif defined(_WIN32)
#if defined(TOV_BUILDING_LIBRARY)
#define TOV_API __declspec(dllexport)
#else
#define TOV_API __declspec(dllimport)
#endif
#else
#define TOV_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* --- Statuses ----------------------------------------------------------------------------- */
/* Member calls answer automation statuses (HRESULTs); a failure has the top bit set. */
typedef uint32_t tov_status;
#define TOV_S_OK 0x00000000u
#define TOV_S_FALSE 0x00000001u
#define TOV_E_BODY_FAILED 0xFFFFFFFFu /* the member reported a failure (a popup was shown) */
#define TOV_E_NOTIMPL 0x80004001u     /* the member has no body in this build; nothing shown */
#define TOV_E_POINTER 0x80004003u     /* a pointer the call needs is null */
#define TOV_E_UNEXPECTED 0x8000FFFFu  /* an internal failure */
#define TOV_DISP_E_MEMBERNOTFOUND 0x80020003u
#define TOV_DISP_E_TYPEMISMATCH 0x80020005u
#define TOV_DISP_E_UNKNOWNNAME 0x80020006u
#define TOV_DISP_E_BADPARAMCOUNT 0x8002000Eu
#define TOV_CO_E_CLASSSTRING 0x800401F3u /* no class has this programmatic id */
#define TOV_FAILED(status) (((status)&0x80000000u) != 0)

#define TOV_DISPID_UNKNOWN (-1)
#define TOV_NO_ARGUMENT 0xFFFFFFFFu /* arg_error when no single argument is to blame */

/* The introspection functions answer ints: 0 (or a count) on success, a negative run-time
 * status (for instance -42 for a panel that does not exist, -65 for a null pointer) or one of
 * these on failure. */
#define TOV_ERR_INTERNAL (-1000)     /* an internal failure; nothing changed */
#define TOV_ERR_NOT_HEADLESS (-1001) /* the engine's presenter is not the headless one */
#define TOV_ERR_TOO_LATE (-1002)     /* the engine exists already */

/* --- Identities --------------------------------------------------------------------------- */
#define TOV_PROG_ID "tovserver.myQuendal"

typedef struct tov_guid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
} tov_guid;

/* The GUIDs of the type library, the class myQuendal and the interface myInterface; each
 * pointer may be null. */
TOV_API void tov_ids(tov_guid* library, tov_guid* class_id, tov_guid* interface_id);

/* --- Variants ----------------------------------------------------------------------------- */
/* The type tags are automation's VARTYPE numbers. */
#define TOV_VT_EMPTY 0
#define TOV_VT_NULL 1
#define TOV_VT_I2 2
#define TOV_VT_I4 3
#define TOV_VT_R8 5
#define TOV_VT_STRING 8 /* `string`, zero-terminated 8-bit text; NULL is a null string */
#define TOV_VT_BOOL 11  /* `integer` non-zero is true */
#define TOV_VT_UI1 17
#define TOV_VT_I8 20
#define TOV_VT_REF 0x400C /* a variant by reference: `ref` points to the client's variant */

/* flags: the library allocated `string`; tov_variant_clear frees it. */
#define TOV_VARIANT_OWNS_STRING 0x0001

typedef struct tov_variant {
    uint16_t type;  /* TOV_VT_... */
    uint16_t flags; /* TOV_VARIANT_OWNS_STRING or 0 */
    int64_t integer;
    double real;
    const char* string;
    struct tov_variant* ref;
} tov_variant;

/* Frees a string the library put into the variant and makes it EMPTY. Null is allowed. */
TOV_API void tov_variant_clear(tov_variant* variant);

/* --- Objects and calls -------------------------------------------------------------------- */
typedef struct tov_object tov_object;

/* Creates an object of the class named by `prog_id` ("tovserver.myQuendal", letter case
 * ignored). Any other id gives TOV_CO_E_CLASSSTRING and *object = NULL. */
TOV_API tov_status tov_create(const char* prog_id, tov_object** object);
/* Releases an object made by tov_create (null is allowed). The engine stays. */
TOV_API void tov_release(tov_object* object);

/* The DISPID of a member, its name matched ignoring letter case; TOV_DISP_E_UNKNOWNNAME and
 * *dispid = TOV_DISPID_UNKNOWN for an unknown name. */
TOV_API tov_status tov_get_ids_of_names(tov_object* object, const char* name, int32_t* dispid);

/* Calls the member `dispid` with `count` arguments in parameter order (`arguments` may be null
 * when count is 0). Conversions are automation's: integers are cut to the parameter's width, a
 * double going to an integer is rounded half to even, numeric strings are parsed, EMPTY is 0,
 * a null string is an empty text, a REF is read through. The out parameters of
 * ReadHighscoreFromCVI take REFs and are written through them (strings written are the
 * library's: clear them with tov_variant_clear). A property takes no argument and puts its
 * value into *result (I2 or UI1); a method makes *result EMPTY. `result` and `arg_error` may be
 * null. On TOV_DISP_E_TYPEMISMATCH *arg_error is the position (0 = first) of the argument
 * refused, else TOV_NO_ARGUMENT; tov_error_text describes every refused call. */
TOV_API tov_status tov_invoke(tov_object* object, int32_t dispid, tov_variant* arguments,
                              uint32_t count, tov_variant* result, uint32_t* arg_error);

/* What was wrong with the object's last call ("" after a success and after a member's own
 * failure, which its popup has told). Valid until the object's next call. */
TOV_API const char* tov_error_text(const tov_object* object);

/* TOV_S_OK for myInterface's IID, TOV_S_FALSE for any other (and for null). */
TOV_API tov_status tov_interface_supports_error_info(tov_object* object, const tov_guid* iid);

/* --- Configuration ------------------------------------------------------------------------ */
/* Makes the engine run headless over a virtual screen of width x height pixels. Only before
 * the engine exists (before the first tov_create or introspection call): TOV_ERR_TOO_LATE
 * afterwards; -46 for a size below 1. */
TOV_API int tov_configure(int screen_width, int screen_height);

/* --- Introspection ------------------------------------------------------------------------ */
typedef struct tov_panel_info {
    int32_t handle;
    char file[260]; /* the panel file it was loaded from, cut to 259 characters */
    int32_t resource;
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    int32_t visible;
    int32_t frame;
    int32_t enabled;
    int32_t discarded;
} tov_panel_info;

/* Fills up to `capacity` records of the panels the engine has made, oldest first, and returns
 * how many there are (which can exceed capacity; `panels` may then be null with capacity 0). */
TOV_API int tov_panels(tov_panel_info* panels, int capacity);

#define TOV_ATTRIBUTE_INT 0
#define TOV_ATTRIBUTE_DOUBLE 1
#define TOV_ATTRIBUTE_TEXT 2
#define TOV_ATTRIBUTE_TEXT_LIST 3

typedef struct tov_attribute {
    const char* name; /* "kind", "left", "top", "width", "height", "visible", "zplane", then
                         what the control's kind has, as "background" or "pen_width" */
    int32_t type;     /* TOV_ATTRIBUTE_... */
    int32_t count;    /* TEXT_LIST: the number of texts */
    int64_t integer;  /* INT */
    double real;      /* DOUBLE */
    const char* text; /* TEXT; TEXT_LIST: the texts, each ended by a line feed */
} tov_attribute;

/* Fills up to `capacity` records of a control's attributes (the first is its kind, as "canvas"
 * or "picture") and returns how many it has, or a negative status for a control that does not
 * exist. The names and texts stay valid until the next call of tov_control_attributes. */
TOV_API int tov_control_attributes(int panel, int control, tov_attribute* attributes, int capacity);

/* Fills up to `capacity` control ids of a panel, the frontmost first, and returns how many it
 * has (0 for a panel that does not exist). */
TOV_API int tov_control_ids(int panel, int* ids, int capacity);

/* The colour 0xRRGGBB of a canvas pixel, or of a pixel of the composed screen. */
TOV_API int tov_canvas_pixel(int panel, int control, int x, int y, uint32_t* color);
TOV_API int tov_screen_pixel(int x, int y, uint32_t* color);

/* The popups shown so far, oldest first. The texts stay valid until the next call into the
 * library. */
TOV_API int tov_popup_count(void);
TOV_API int tov_popup(int index, const char** title, const char** text);
TOV_API void tov_clear_popups(void);

/* The last picture a headless engine put on the clipboard: its size (0 x 0 before any) and the
 * colour 0xRRGGBB of one of its pixels. TOV_ERR_NOT_HEADLESS where a presenter gives the
 * picture to the system's clipboard instead. */
TOV_API int tov_clipboard_size(int* width, int* height);
TOV_API int tov_clipboard_pixel(int x, int y, uint32_t* color);

/* Sets the mouse of a headless engine, in screen coordinates (buttons: non-zero = down). */
TOV_API int tov_set_mouse(int x, int y, int left, int right, int middle);

/* PNG snapshots of the composed screen, of one panel, and of one control as the screen shows
 * it. */
TOV_API int tov_snapshot_screen(const char* png_path);
TOV_API int tov_snapshot_panel(int panel, const char* png_path);
TOV_API int tov_snapshot_control(int panel, int control, const char* png_path);

/* Lets the presenter show what changed; hosts call it once per tick. */
TOV_API void tov_present(void);

#ifdef __cplusplus
}
#endif

#endif /* TOV_TOV_H */
