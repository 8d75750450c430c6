/* xtapi.h - the C interface between a layout host and a proofing plug-in.
 *
 * This is the only header that both sides include. It holds the activation
 * record handed to XTActivateCallback, the registration record of the start-up
 * callback, the callback records, and every suite of host operations with its
 * four-character identifier and function numbers.
 *
 * Rules that hold throughout:
 * - Plain C, fixed-width integers; no pointer ever travels in a 32-bit word.
 *   Boxes, stories and menus cross as 32-bit ids (0 = none); memory blocks as
 *   opaque handles.
 * - Interface texts travel as NUL-terminated 8-bit Windows-1250; story
 *   characters as 16-bit UTF-16 code units.
 * - Every call happens on the host's user-interface thread, one at a time.
 * - A suite is a table of function pointers filled by the host in the order of
 *   the function numbers the plug-in asks for. The plug-in asks for 1..N in
 *   order, so each table below can be read as the matching struct.
 */
#ifndef XTAPI_XTAPI_H
#define XTAPI_XTAPI_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define XT_FOURCC(a, b, c, d) \
  (((uint32_t)(a) << 24) | ((uint32_t)(b) << 16) | ((uint32_t)(c) << 8) | (uint32_t)(d))

typedef int32_t xt_status;        /* 0 = done; anything else is a host status */
typedef uint32_t xt_box;          /* 0 = no box */
typedef uint32_t xt_story;        /* 0 = no story */
typedef uint32_t xt_menu;         /* 0 = no menu */
typedef struct xt_block_s *xt_handle;   /* a movable memory block of the host; NULL = none */
typedef struct xt_dialog_s *xt_dialog;  /* a running dialog; valid only while it runs */
typedef void (*xt_fn)(void);      /* element of a suite table as the host fills it */

/* Every callback receives its record and answers 0 when done. The record's
 * first 32-bit word is always the callback id. Records are owned by the host
 * and valid only during the call. */
typedef int32_t (*xt_callback)(void *record);

/* ---- Callback ids ------------------------------------------------------ */
enum {
  XT_CB_STARTUP = 1,        /* record: xt_registration */
  XT_CB_SHUTDOWN = 2,       /* record: xt_registration (the same one) */
  XT_CB_3 = 3,              /* record: xt_record */
  XT_CB_CLOSING = 4,        /* the host is closing: destroy dialogs; xt_record */
  XT_CB_LANGUAGE = 5,       /* interface language changed; xt_language_record */
  XT_CB_INSTALL_MENUS = 6,  /* xt_menu_record: menu_bar is where menus go */
  XT_CB_UPDATE_MENUS = 7,   /* xt_menu_record */
  XT_CB_10 = 10,
  XT_CB_12 = 12,
  XT_CB_DIALOG_SERVICE = 20, /* idle service for open dialogs; xt_record */
  XT_CB_HYPHENATE_WORD = 435,   /* xt_hyph_record */
  XT_CB_HYPH_METHODS = 454,     /* xt_hyph_methods_record */
  XT_CB_MENU_SELECT = 618,  /* xt_menu_record: item is the chosen item id */
  XT_CB_LIMIT = 1408        /* callback ids are below this */
};

/* Generic record: every record starts like this. */
typedef struct xt_record {
  uint32_t id;
  uint32_t word1;
} xt_record;

/* Menu records (6, 7, 618). The chosen item id sits at byte 8. */
typedef struct xt_menu_record {
  uint32_t id;
  xt_menu menu_bar;   /* the host menu under which plug-in menus are placed */
  uint16_t item;      /* chosen item id (618), 0 otherwise */
  uint16_t reserved;
} xt_menu_record;

/* Language record (5): language at byte 8, two further values at 16 and 32. */
typedef struct xt_language_record {
  uint32_t id;
  uint32_t reserved0;
  int16_t language;   /* 42 = Polish */
  uint8_t reserved1[6];
  int64_t value64;    /* byte 16 */
  uint8_t reserved2[8];
  int16_t value16;    /* byte 32 */
  uint8_t reserved3[6];
} xt_language_record;

/* Host hyphenation callback (435): the host asks for the break points of one
 * word. `text` is the host's text (owned by the host, valid during the call);
 * the word is text[offset .. offset+length). The plug-in sets `count` and
 * grows `points` (a host block) to at least 4 * count bytes, each point being
 * a big-endian-free pair of native uint16: position (characters before the
 * break) and 0. With no break point the plug-in leaves `count` as it was. */
typedef struct xt_hyph_record {
  uint32_t id;
  uint32_t reserved;
  const uint16_t *text;
  int16_t offset;
  int16_t length;
  int16_t count;      /* out */
  int16_t reserved2;
  xt_handle points;   /* out: host block of xt_hyph_point */
} xt_hyph_record;

typedef struct xt_hyph_point {
  uint16_t position;
  uint16_t zero;
} xt_hyph_point;

/* Host method list callback (454): `methods` is a host block of 96-byte method
 * descriptors; the plug-in grows it by one descriptor and fills the last one:
 * bytes 0-3 the byte-reversed plug-in id, from byte 8 the method name. */
enum { XT_HYPH_METHOD_SIZE = 96 };
typedef struct xt_hyph_methods_record {
  uint32_t id;
  uint32_t reserved;
  xt_handle methods;
} xt_hyph_methods_record;

/* ---- Activation -------------------------------------------------------- */

/* Host information record, 536 bytes, copied by the plug-in at activation.
 * The host string is UTF-16, NUL-terminated within the record. */
enum { XT_HOST_INFO_SIZE = 536, XT_HOST_STRING_UNITS = 262 };
typedef struct xt_host_info {
  uint32_t version;       /* byte 0 */
  uint32_t serial;        /* byte 4 */
  uint16_t app_status;    /* byte 8 */
  uint8_t product_id;     /* byte 10; 2 = the "QCD" host */
  uint8_t reserved;
  uint16_t host_string[XT_HOST_STRING_UNITS]; /* byte 12 to the end */
} xt_host_info;

/* Handed to XTActivateCallback; owned by the host, valid during the call. */
typedef struct xt_activation {
  uint32_t size;            /* sizeof(xt_activation) as the host knows it */
  uint16_t host_id;         /* the plug-in's 16-bit host id */
  uint16_t reserved;
  uint32_t plugin_id;       /* the plug-in's 32-bit identifier (four characters) */
  xt_host_info host_info;
  void *host;               /* host context, passed back to every operation below */
  /* Admission: the plug-in presents its developer code and the numbers
   * (0, 11, 0x42A20014, 0). Non-zero = admitted. */
  int32_t (*admit)(void *host, uint32_t developer_code, int32_t a, int32_t b, uint32_t c,
                   int32_t d);
  /* Start-up and shut-down callbacks, each with (5, 200, 0). The host calls the
   * start-up callback with an xt_registration after activation returns, and
   * the shut-down callback with the same record before unloading. */
  xt_status (*register_startup)(void *host, xt_callback handler, int32_t a, int32_t b, int32_t c);
  xt_status (*register_shutdown)(void *host, xt_callback handler, int32_t a, int32_t b,
                                 int32_t c);
  /* Receives the number that accompanies every callback registration (200). */
  void (*set_callback_param)(void *host, int32_t value);
  /* The plug-in names itself for the host's listings (`wirsel --version`):
   * product name and file version, 8-bit text copied by the host during the
   * call. Optional for the plug-in; present when `size` covers it. */
  void (*describe)(void *host, const char *name, const char *version);
} xt_activation;

/* The single exported entry point; answers 0 on success, 0x51000401 when
 * activation is refused. */
typedef int32_t (*xt_activate_fn)(xt_activation *activation);
#define XT_ACTIVATE_SYMBOL "XTActivateCallback"
#define XT_REFUSED ((int32_t)0x51000401)

/* Interface version the host announces in the registration record. */
enum { XT_VERSION_MAJOR = 11, XT_VERSION_MINOR = 201, XT_VERSION_API = 81, XT_VERSION_API_MINOR = 0 };

/* Registration record (start-up and shut-down). Owned by the host and kept
 * alive until the shut-down callback has returned. */
typedef struct xt_registration {
  uint32_t id;              /* XT_CB_STARTUP or XT_CB_SHUTDOWN */
  uint16_t version_major;   /* 11 */
  uint16_t version_minor;   /* 201 */
  uint16_t version_api;     /* 81 */
  uint16_t version_api_minor; /* 0 */
  void *host;
  /* operation 1: reserved */
  void (*op1)(void *host);
  /* operation 2: register a callback (id, handler, 5, 200, 0) */
  xt_status (*register_callback)(void *host, uint32_t id, xt_callback handler, int32_t a,
                                 int32_t b, int32_t c);
  /* operation 3: unregister a callback registered with operation 2 */
  xt_status (*unregister_callback)(void *host, uint32_t id, xt_callback handler);
  /* operation 4: acquire a suite. The host writes a pointer to a table of
   * `count` functions, in the order of `numbers`, into *suite. The table is
   * owned by the host and lives until the plug-in is unloaded. 0 = success. */
  xt_status (*acquire_suite)(void *host, uint32_t suite_id, const xt_fn **suite,
                             const int16_t *numbers, int32_t count);
} xt_registration;

/* ---- Suites -------------------------------------------------------------
 * Each suite: its identifier, its function numbers (1-based, in table
 * order), and the struct that reads the table when numbers 1..N are asked. */

/* Documents and boxes. */
#define XT_SUITE_DOCUMENT XT_FOURCC('X', 'D', 'O', 'C')
typedef struct xt_document_suite {
  /* 1 */ int16_t (*current_layout_view)(void);     /* -1 (0xFFFF): no document */
  /* 2 */ int32_t (*document_count)(void);
  /* 3 */ xt_box (*current_box)(void);               /* 0: none */
  /* 4 */ xt_status (*set_current_box)(xt_box box);
  /* 5 */ int32_t (*box_valid)(xt_box box);
  /* 6 */ int32_t (*box_is_text)(xt_box box);
  /* 7 */ int32_t (*box_is_group)(xt_box box);
  /* 8 */ int32_t (*spread_count)(void);
  /* 9 */ xt_box (*first_box_of_spread)(int32_t spread, uint8_t selector); /* spreads 1..count */
  /* 10 */ xt_box (*next_box)(xt_box box, uint8_t selector); /* next on the same spread */
  /* 11 */ int32_t (*page_count)(void);
  /* 12 */ xt_box (*first_box_of_page)(int32_t page);      /* pages 1..count */
  /* 13 */ xt_box (*next_box_on_page)(xt_box box);
  /* 14 */ int32_t (*group_item_count)(xt_box group);
  /* 15 */ xt_box (*group_item)(xt_box group, int32_t index); /* 1..count */
  /* 16 */ xt_box (*previous_linked_box)(xt_box box);      /* text chain */
  /* 17 */ xt_box (*next_linked_box)(xt_box box);
  /* 18 */ xt_story (*story_of_box)(xt_box box);            /* 0 unless a text box */
  /* 19 */ int32_t (*story_query)(xt_story story);          /* 0 = check this story */
} xt_document_suite;
enum { XT_DOCUMENT_SUITE_COUNT = 19 };

/* Stories: positions are character indices 0..length. */
#define XT_SUITE_STORY XT_FOURCC('X', 'S', 'T', 'R')
typedef struct xt_story_suite {
  /* 1 */ xt_status (*get_selection)(xt_box box, xt_story *story, int32_t *start, int32_t *end,
                                     int32_t *length); /* box 0 = current box; any out may be NULL */
  /* 2 */ xt_status (*set_selection)(xt_story story, int32_t start, int32_t end, int32_t show);
  /* 3 */ int32_t (*read_chars)(xt_story story, int32_t position, int32_t count, uint16_t *codes);
                                    /* up to count codes into the caller's codes; answers
                                    how many (fewer at the story's end, 0 outside it) */
  /* 4 */ xt_status (*insert_chars)(xt_story story, int32_t position, int32_t count,
                                    const uint16_t *codes, int32_t flags); /* takes the
                                    attributes of the story's selection */
  /* 5 */ xt_status (*delete_chars)(xt_story story, int32_t start, int32_t end);
  /* 6 */ int32_t (*next_position)(xt_story story, int32_t position); /* -1: none */
  /* 7 */ int32_t (*previous_position)(xt_story story, int32_t position); /* -1: none */
  /* 8 */ xt_status (*anchored_item)(xt_story story, int32_t start, int32_t end, int32_t n,
                                     int32_t *position, xt_box *box); /* n-th (0-based)
                                     anchored box in start..end, in story order; non-zero
                                     when there is none */
  /* 9 */ uint32_t (*char_attribute)(xt_story story, int32_t position, int32_t kind);
  /* 10 */ xt_status (*toggle_style)(xt_story story, int32_t selector, uint32_t value);
                                    /* on the story's selection; -102 toggles flag 0x80 of
                                    attribute kind 2 (the non-breaking mark) */
  /* 11 */ void (*set_redraw)(int32_t on);
  /* 12 */ xt_status (*paragraph_at)(xt_story story, int32_t position, int32_t *start,
                                    int32_t *end, int32_t *hj_index);
  /* 13 */ int32_t (*story_length)(xt_story story);
} xt_story_suite;
enum { XT_STORY_SUITE_COUNT = 13 };
enum { XT_ATTR_KIND_STYLE = 2, XT_ATTR_NONBREAKING = 0x80, XT_STYLE_TOGGLE = -102 };

/* H&J specifications of the front document (indices 0..count-1). */
#define XT_SUITE_HJ XT_FOURCC('X', 'H', 'J', 'S')
typedef struct xt_hj_suite {
  /* 1 */ int32_t (*hj_count)(void);
  /* 2 */ xt_status (*hj_get)(int32_t index, char *name, int32_t name_size, int32_t *auto_hyphenation);
  /* 3 */ xt_status (*hj_set_auto)(int32_t index, int32_t auto_hyphenation);
} xt_hj_suite;
enum { XT_HJ_SUITE_COUNT = 3 };

/* Tools, language, changes and feedback, the host's own services. */
#define XT_SUITE_ENVIRONMENT XT_FOURCC('X', 'E', 'N', 'V')
enum { XT_TOOL_CONTENT = 1, XT_TOOL_ITEM = 2 };
enum { XT_ICON_NONE = 0, XT_ICON_ERROR = 1, XT_ICON_WARNING = 2, XT_ICON_INFO = 3,
       XT_ICON_QUESTION = 4 };
enum { XT_BUTTONS_OK = 0, XT_BUTTONS_OK_CANCEL = 1, XT_BUTTONS_YES_NO = 2,
       XT_BUTTONS_YES_NO_CANCEL = 3 };
enum { XT_ANSWER_OK = 1, XT_ANSWER_CANCEL = 2, XT_ANSWER_YES = 6, XT_ANSWER_NO = 7 };
typedef struct xt_environment_suite {
  /* 1 */ int16_t (*current_tool)(void);
  /* 2 */ xt_status (*set_current_tool)(int16_t tool);
  /* 3 */ int16_t (*interface_language)(void);
  /* 4 */ xt_status (*begin_undoable_change)(int32_t a, int32_t b); /* brackets nest */
  /* 5 */ xt_status (*end_undoable_change)(void);
  /* 6 */ void (*busy_cursor)(int32_t on);                 /* -1 on, 0 off */
  /* 7 */ uint64_t (*main_window)(void);
  /* 8 */ uint32_t (*environment_flags)(void);
  /* 9 */ void (*activate_story_window)(xt_story story);
  /* 10 */ void (*modal_state)(int32_t value);             /* 2 before a modal run, 1 after */
  /* 11 */ int32_t (*message_box)(const char *title, const char *text, int32_t icon,
                                  int32_t buttons);         /* answers XT_ANSWER_* */
  /* 12 */ xt_status (*register_hyphenation_method)(uint32_t plugin_id, const char *name,
                                                 const uint32_t languages[4], int32_t a,
                                                 int32_t b);
  /* 13 */ void (*progress)(int64_t done, int64_t total);  /* long commands report here */
  /* 14 */ xt_status (*report_finding)(xt_story story, int32_t position, const char *text);
                                    /* a finding at a story position (text: Windows-1250,
                                    copied). 0: nobody answers message boxes (a batch run);
                                    the host reports it and the plug-in goes on. Otherwise
                                    someone does, and the plug-in shows a message box. */
} xt_environment_suite;
enum { XT_ENVIRONMENT_SUITE_COUNT = 14 };

/* Menus. Item ids are handed out by the host, never below 101. */
#define XT_SUITE_MENU XT_FOURCC('X', 'M', 'N', 'U')
enum { XT_FIRST_ITEM_ID = 101 };
typedef struct xt_menu_suite {
  /* 1 */ xt_menu (*new_menu)(const char *title);
  /* 2 */ uint16_t (*append_submenu)(xt_menu parent, const char *title, xt_menu child);
  /* 3 */ uint16_t (*append_item)(xt_menu menu, const char *text); /* gives the item id */
  /* 4 */ void (*append_separator)(xt_menu menu);
  /* 5 */ void (*enable_item)(xt_menu menu, uint16_t item, int32_t on);
  /* 6 */ void (*set_item_text)(xt_menu menu, uint16_t item, const char *text);
  /* 7 */ uint64_t (*native_menu)(xt_menu menu);
} xt_menu_suite;
enum { XT_MENU_SUITE_COUNT = 7 };

/* Memory blocks. */
#define XT_SUITE_MEMORY XT_FOURCC('X', 'M', 'E', 'M')
typedef struct xt_memory_suite {
  /* 1 */ xt_handle (*allocate)(size_t size);          /* NULL on failure */
  /* 2 */ void (*release)(xt_handle block);
  /* 3 */ size_t (*block_size)(xt_handle block);
  /* 4 */ xt_status (*resize)(xt_handle block, size_t size);
  /* 5 */ void *(*lock)(xt_handle block);               /* pointer valid until unlock */
  /* 6 */ void (*unlock)(xt_handle block);
  /* 7 */ int16_t (*last_error)(void);                  /* of the last failed call */
} xt_memory_suite;
enum { XT_MEMORY_SUITE_COUNT = 7 };

/* Host strings: text held by the host, made from and copied out to 8-bit text. */
#define XT_SUITE_STRING XT_FOURCC('X', 'S', 'T', 'G')
typedef struct xt_string_suite {
  /* 1 */ xt_handle (*make_string)(const char *text);
  /* 2 */ int32_t (*copy_string)(xt_handle string, char *out, int32_t size);
  /* 3 */ void (*dispose_string)(xt_handle string);
} xt_string_suite;
enum { XT_STRING_SUITE_COUNT = 3 };

/* ---- Dialogs ------------------------------------------------------------
 * The plug-in carries its dialogs as definitions (resources) and asks the host
 * to run one modally. The host calls the handler with XT_DLG_INIT once, then
 * with XT_DLG_ITEM_HIT for every button, check box, radio button or list row
 * the user picks, and for an edit field whose text the user changed. The
 * dialog ends when the handler calls `close`; run answers the value given to
 * close. Item 1 is OK, item 2 is Cancel by convention. */
enum {
  XT_ITEM_STATIC = 1,
  XT_ITEM_EDIT = 2,
  XT_ITEM_CHECK = 3,
  XT_ITEM_RADIO = 4,   /* radio buttons with the same group exclude each other */
  XT_ITEM_BUTTON = 5,
  XT_ITEM_LIST = 6
};
enum { XT_DLG_INIT = 1, XT_DLG_ITEM_HIT = 2 };
enum { XT_DLG_OK = 1, XT_DLG_CANCEL = 2 };

typedef struct xt_dialog_item_def {
  int16_t id;
  int16_t kind;        /* XT_ITEM_* */
  int16_t group;       /* radio group; 0 otherwise */
  int16_t flags;       /* reserved, 0 */
  const char *text;    /* title or initial text, Windows-1250; may be NULL */
} xt_dialog_item_def;

typedef struct xt_dialog_def {
  int16_t number;      /* resource number */
  int16_t item_count;
  const char *title;   /* Windows-1250 */
  const xt_dialog_item_def *items;
} xt_dialog_def;

/* Answers 0 when handled. */
typedef int32_t (*xt_dialog_handler)(xt_dialog dialog, int32_t event, int16_t item,
                                     void *context);

#define XT_SUITE_DIALOG XT_FOURCC('X', 'D', 'L', 'G')
typedef struct xt_dialog_suite {
  /* 1 */ int16_t (*run)(const xt_dialog_def *def, xt_dialog_handler handler, void *context);
  /* 2 */ void (*close)(xt_dialog dialog, int16_t result);
  /* 3 */ int32_t (*get_text)(xt_dialog dialog, int16_t item, char *out, int32_t size);
  /* 4 */ void (*set_text)(xt_dialog dialog, int16_t item, const char *text);
  /* 5 */ int32_t (*get_check)(xt_dialog dialog, int16_t item);
  /* 6 */ void (*set_check)(xt_dialog dialog, int16_t item, int32_t on);
  /* 7 */ void (*enable_item)(xt_dialog dialog, int16_t item, int32_t on);
  /* 8 */ int32_t (*item_enabled)(xt_dialog dialog, int16_t item);
  /* 9 */ void (*list_clear)(xt_dialog dialog, int16_t item);
  /* 10 */ int32_t (*list_count)(xt_dialog dialog, int16_t item);
  /* 11 */ int32_t (*list_append)(xt_dialog dialog, int16_t item, const char *text); /* row */
  /* 12 */ void (*list_delete)(xt_dialog dialog, int16_t item, int32_t row);
  /* 13 */ void (*list_select)(xt_dialog dialog, int16_t item, int32_t row); /* -1: none */
  /* 14 */ int32_t (*list_selected)(xt_dialog dialog, int16_t item);        /* -1: none */
  /* 15 */ int32_t (*list_get_text)(xt_dialog dialog, int16_t item, int32_t row, char *out,
                                    int32_t size);
} xt_dialog_suite;
enum { XT_DIALOG_SUITE_COUNT = 15 };

#ifdef __cplusplus
}
#endif

#endif /* XTAPI_XTAPI_H */
