#pragma once
// Ids of the string table. Every user-visible text is loaded by one of these.

namespace quenk {

enum EStringId : unsigned {
    // Document template: title, document name, new-file name, filter name, filter extensions,
    // file type id and file type name, separated by '\n'.
    IDS_DOCUMENT_TEMPLATE = 128,
    IDS_WHATS_THIS = 129,     // "Что это такое?"
    IDS_UNTITLED = 130,       // "Безымянный"
    IDS_OPTIONS_TITLE = 131,  // "Настройки"
    IDS_EDITOR_SUFFIX = 132,  // "(Редактор)"
    IDS_BMP_FILTER = 133,
    IDS_SHELL_COMMAND_FAILED = 134,
    IDS_CANNOT_OPEN_FILE = 135,
    IDS_INVALID_FORMAT = 136,
    IDS_CREATE_ERROR = 137,
    IDS_DEPTHS_ONE_ZERO = 138,  // one number depth zero and the other not
    IDS_CONFIRM_RELOAD = 139,

    // Bitmap import
    IDS_BMP_BAD_FILE = 140,
    IDS_BMP_COMPRESSED = 141,
    IDS_BMP_TOO_LARGE = 142,
    IDS_BMP_PLANES = 143,
    IDS_BMP_TOO_MANY_COLORS = 144,
    IDS_BMP_BAD_DEPTH = 145,

    // Solving
    IDS_SOLVED = 146,
    IDS_STALLED = 147,
    IDS_SOLUTION_RIGHT = 148,
    IDS_SOLUTION_WRONG = 149,
    IDS_SOLVE_ERROR_IN = 150,
    IDS_SOLVE_ERROR_ROW = 151,
    IDS_SOLVE_ERROR_COLUMN = 152,

    // Clue check: first text, then the formatted second text
    IDS_CHECK_GAP_ROWS = 153,
    IDS_CHECK_GAP_ROWS_AT = 154,
    IDS_CHECK_GAP_COLUMNS = 155,
    IDS_CHECK_GAP_COLUMNS_AT = 156,
    IDS_CHECK_LARGE_ROWS = 157,
    IDS_CHECK_LARGE_ROWS_AT = 158,
    IDS_CHECK_LARGE_COLUMNS = 159,
    IDS_CHECK_LARGE_COLUMNS_AT = 160,
    IDS_CHECK_COLOR_ROWS = 161,
    IDS_CHECK_COLOR_ROWS_AT = 162,
    IDS_CHECK_COLOR_COLUMNS = 163,
    IDS_CHECK_COLOR_COLUMNS_AT = 164,
    IDS_CHECK_SUM_ROWS = 165,
    IDS_CHECK_SUM_ROWS_AT = 166,
    IDS_CHECK_SUM_COLUMNS = 167,
    IDS_CHECK_SUM_COLUMNS_AT = 168,
    IDS_CHECK_COLOR_SUMS = 169,
    IDS_CHECK_COLOR_SUMS_VALUES = 170,

    // Search dialog
    IDS_SEARCH_FINISHED = 171,
    IDS_SEARCH_INTERRUPTED = 172,
    IDS_CLOSE = 173,
    IDS_MINUTES = 174,

    IDS_BMP_FIX_BLOCKS = 175,
    IDS_BMP_CELL_MISMATCH = 176,

    // File dialog filters
    IDS_FILTER_JCC = 177,
    IDS_FILTER_JCR = 178,
    IDS_FILTER_JCW = 179,
    IDS_FILTER_JCP = 180,
    IDS_FILTER_PPIFF = 181,

    // Format limits when saving
    IDS_LIMIT_MULTICOLOR = 182,
    IDS_LIMIT_NUMBERS_ONLY = 183,
    IDS_LIMIT_PICTURE_ONLY = 184,
    IDS_LIMIT_PPIFF_MONO = 185,

    // The search ended because what it keeps reached its memory budget.
    IDS_SEARCH_NO_MEMORY = 186,

    // Why a reader refused a file: the line under the load message.
    IDS_LOAD_AT_LINE = 187,
    IDS_LOAD_EXPECTED_NUMBERS = 188,
    IDS_LOAD_EXPECTED_SIZE = 189,
    IDS_LOAD_SIZE_LIMIT = 190,
    IDS_LOAD_NUMBER_LIMIT = 191,
    IDS_LOAD_DEPTH_LIMIT = 192,
    IDS_LOAD_COLOR_LIMIT = 193,
    IDS_LOAD_MISSING = 194,
    IDS_LOAD_TWICE = 195,
    IDS_LOAD_LINE_COUNT = 196,
    IDS_LOAD_CELL_COUNT = 197,
    IDS_LOAD_BAD_CELL = 198,
    IDS_LOAD_UNKNOWN_COLOR = 199,
    IDS_LOAD_BAD_COLOR_VALUE = 200,
    IDS_LOAD_BACKGROUND_NUMBER = 201,
    IDS_LOAD_UNSUPPORTED = 202,
    IDS_LOAD_NO_SUCH_PUZZLE = 203,
    IDS_LOAD_SET_LIMIT = 204,
    IDS_LOAD_EXPECTED_KEYWORD = 205,
    IDS_LOAD_EXPECTED = 206,
    IDS_LOAD_ENTITY = 207,
    IDS_LOAD_FILE_LIMIT = 208,
    IDS_LOAD_EXTRA_LINES = 209,
    IDS_LOAD_NESTING = 210,

    // The designer's verdict in the status bar.
    IDS_DESIGN_CHECKING = 211,
    IDS_DESIGN_LINE_LOGIC = 212,
    IDS_DESIGN_LOOKAHEAD = 213,
    IDS_DESIGN_GUESSING = 214,
    IDS_DESIGN_SEVERAL = 215,
    IDS_DESIGN_NONE = 216,
    IDS_DESIGN_NO_MEMORY = 217,

    // The next step (F4).
    IDS_HINT_ROW = 218,
    IDS_HINT_COLUMN = 219,
    IDS_HINT_ROW_AND_COLUMN = 220,
    IDS_HINT_LINE_LOGIC = 221,
    IDS_HINT_LOOKAHEAD_ROW = 222,
    IDS_HINT_LOOKAHEAD_COLUMN = 223,
    IDS_HINT_NONE = 224,
    IDS_HINT_CONTRADICTION_ROW = 225,
    IDS_HINT_CONTRADICTION_COLUMN = 226,
    IDS_HINT_CONTRADICTION = 227,
    IDS_HINT_NO_CONSISTENT_STATE = 228,

    IDS_FIRST = IDS_DOCUMENT_TEMPLATE,  // the string table spans IDS_FIRST..IDS_LAST
    IDS_LAST = IDS_HINT_NO_CONSISTENT_STATE,
};

}  // namespace quenk
