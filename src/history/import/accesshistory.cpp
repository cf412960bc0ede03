#include "history/import/accesshistory.h"

#include <mdbtools.h>

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <memory>

#include "base/fileerror.h"
#include "base/inputfile.h"
#include "base/standardstreams.h"
#include "history/historyerror.h"

namespace pirumo {

namespace {

constexpr char kQueryName[] = "全データ選択クエリ";
constexpr char kDrawNumberField[] = "回数";
constexpr char kDateField[] = "開催日";

constexpr int kQueryObjectType = 5;       // MSysObjects.Type of a saved query
constexpr int kSourceTableAttribute = 5;  // MSysQueries.Attribute of a row naming a source table
// No table the reader walks holds more rows than there are draw numbers; more means damage.
constexpr std::size_t kMaxRows = 32767;
constexpr std::size_t kJet3PageSize = 2048;
constexpr std::size_t kJet4PageSize = 4096;

// Messages below follow "Accessファイル「…」の" (see ReadAccessHistory).
const std::string kUnreadable = "形式が読めません。Accessのデータベースではないか、壊れています。";
const std::string kDamaged = "内容が途中で切れているか、壊れています。";

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;

struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

// Jet 3 text is in the code page of the machine that wrote it, which the header often leaves
// unset; Japanese files are CP932, and the names this reader looks for are Japanese, so no other
// code page could match them anyway. Jet 4 text is UTF-16. Set here so that libmdb does not
// follow the MDBICONV and MDB_JET3_CHARSET environment variables.
void SetTextEncoding(MdbHandle* mdb) {
    const char* source = mdb->f->jet_version == MDB_VER_JET3 ? "CP932" : "UCS-2LE";
    iconv_t in = iconv_open("UTF-8", source);
    iconv_t out = iconv_open(source, "UTF-8");
    if (in == reinterpret_cast<iconv_t>(-1) || out == reinterpret_cast<iconv_t>(-1)) {
        if (in != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(in);
        }
        if (out != reinterpret_cast<iconv_t>(-1)) {
            iconv_close(out);
        }
        throw HistoryError("読み込みに必要な文字コード変換（iconv）を準備できません。");
    }
    mdb_iconv_close(mdb);
    mdb->iconv_in = in;
    mdb->iconv_out = out;
}

Handle OpenHandle(std::string& buffer) {
    Handle mdb(mdb_open_buffer(buffer.data(), buffer.size(), MDB_NOFLAGS));
    if (!mdb || !mdb->f) {
        throw HistoryError(kUnreadable);
    }
    if (mdb->f->jet_version != MDB_VER_JET3 && mdb->f->jet_version != MDB_VER_JET4) {
        throw HistoryError(
            "形式には対応していません。読めるのは Access 97 / 2000 形式（Jet 3 / Jet 4）です。");
    }
    SetTextEncoding(mdb.get());
    mdb_set_date_fmt(mdb.get(), "%Y/%m/%d");
    mdb_set_shortdate_fmt(mdb.get(), "%Y/%m/%d");
    return mdb;
}

Table OpenTable(MdbCatalogEntry* entry) {
    Table table(mdb_read_table(entry));
    // libmdb hands back a table whose page usage map it could not find, and then dereferences
    // the missing map as soon as a row is fetched.
    if (!table || !table->usage_map || table->map_sz < 1 || !mdb_read_columns(table.get())) {
        throw HistoryError(kDamaged);
    }
    return table;
}

std::optional<long long> ToInteger(const std::optional<std::string>& text) {
    long long value = 0;
    if (!text) {
        return std::nullopt;
    }
    const char* end = text->data() + text->size();
    const auto [rest, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || rest != end) {
        return std::nullopt;
    }
    return value;
}

// Binds chosen columns of a table to text buffers and walks its rows.
class RowReader {
public:
    explicit RowReader(MdbTableDef* table) : mTable(table) {}

    // Column position of a field, or -1 when the table lacks it.
    int FindColumn(const char* name) const {
        for (unsigned i = 0; i < mTable->num_cols; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(mTable->columns, i));
            if (std::strcmp(column->name, name) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    // Chooses a column and returns its slot for Text(); -1 (a missing column) gives slot -1.
    // Columns are not bound to libmdb's own text buffers: it converts a bound value without
    // checking that the value lies within the page, and a damaged row crashes it. Each row's
    // values are checked first and then converted (Fetch).
    int Bind(int column) {
        if (column < 0) {
            return -1;
        }
        mBuffers.emplace_back(mTable->entry->mdb->bind_size, '\0');
        const auto* chosen = static_cast<MdbColumn*>(g_ptr_array_index(mTable->columns, column));
        mColumns.push_back(chosen);
        mFractional.push_back(chosen->col_type == MDB_FLOAT || chosen->col_type == MDB_DOUBLE ||
                              chosen->col_type == MDB_MONEY || chosen->col_type == MDB_NUMERIC);
        return static_cast<int>(mBuffers.size()) - 1;
    }

    // Walks every row, calling f() with the current row bound. A page that is missing or
    // unreadable ends libmdb's walk early without an error; the row count kept in the table
    // definition tells.
    template <typename F>
    void ForEachRow(F&& f) {
        mdb_rewind_table(mTable);
        std::size_t count = 0;
        while (Fetch()) {
            if (++count > kMaxRows) {
                throw HistoryError(kDamaged);
            }
            f();
        }
        if (count != mTable->num_rows) {
            throw HistoryError(kDamaged);
        }
    }

    // The field's text in the current row; nullopt for Null, an empty text or slot -1. A whole
    // value of a fractional column (libmdb writes Single, Double and Currency as "17.0000") comes
    // as its integer text, so that it reads as the number it is.
    std::optional<std::string> Text(int slot) const {
        if (slot < 0) {
            return std::nullopt;
        }
        const auto& buffer = mBuffers[static_cast<std::size_t>(slot)];
        std::string text(buffer.data(), strnlen(buffer.data(), buffer.size() - 1));
        if (text.empty()) {
            return std::nullopt;
        }
        const auto point = text.find('.');
        if (mFractional[static_cast<std::size_t>(slot)] && point != std::string::npos &&
            point > 0 && text.find_first_not_of('0', point + 1) == std::string::npos) {
            text.erase(point);
        }
        return text;
    }

private:
    bool Fetch() {
        if (mdb_fetch_row(mTable) == 0) {
            return false;
        }
        for (std::size_t slot = 0; slot < mColumns.size(); ++slot) {
            Convert(*mColumns[slot], mBuffers[slot]);
        }
        return true;
    }

    // The current row's value of `column` as libmdb's text, into `buffer`; empty for Null.
    void Convert(const MdbColumn& column, std::vector<char>& buffer) const {
        buffer[0] = '\0';
        if (column.col_type == MDB_BOOL) {
            // A Yes/No value lives in the row's null bitmap; libmdb leaves the bit's
            // "null" reading in cur_value_len and writes it as "0", else "1".
            std::snprintf(buffer.data(), buffer.size(), "%s",
                          column.cur_value_len != 0 ? "0" : "1");
            return;
        }
        if (column.cur_value_len == 0) {
            return;
        }
        MdbHandle* mdb = mTable->entry->mdb;
        const int start = column.cur_value_start;
        const int length = column.cur_value_len;
        if (start < 0 || length < FixedSize(column.col_type) ||
            start + length > mdb->fmt->pg_size) {
            throw HistoryError(kDamaged);
        }
        char* text = column.col_type == MDB_NUMERIC
                         ? mdb_numeric_to_string(mdb, start, column.col_scale, column.col_prec)
                         : mdb_col_to_string(mdb, mdb->pg_buf, start, column.col_type, length);
        std::snprintf(buffer.data(), buffer.size(), "%s", text);
        g_free(text);
    }

    // Bytes a value of a fixed-size type takes in the row; 0 for the variable-size types.
    static int FixedSize(int type) {
        switch (type) {
            case MDB_BYTE:
                return 1;
            case MDB_INT:
                return 2;
            case MDB_LONGINT:
            case MDB_FLOAT:
            case MDB_COMPLEX:
                return 4;
            case MDB_DOUBLE:
            case MDB_MONEY:
            case MDB_DATETIME:
                return 8;
            case MDB_REPID:
                return 16;
            case MDB_NUMERIC:
                return 17;
            default:
                return 0;
        }
    }

    MdbTableDef* mTable;
    std::vector<std::vector<char>> mBuffers;
    std::vector<const MdbColumn*> mColumns;
    std::vector<bool> mFractional;
};

bool HasDrawFields(const RowReader& reader) {
    if (reader.FindColumn(kDrawNumberField) < 0) {
        return false;
    }
    for (const char* field : kNumberFieldNames) {
        if (reader.FindColumn(field) < 0) {
            return false;
        }
    }
    return true;
}

// The objects listed in MSysObjects. Read here rather than with mdb_read_catalog(), which also
// parses every object's property block: a damaged block sends it into a loop that allocates
// without end, and the reader needs no properties.
class Catalog {
public:
    explicit Catalog(MdbHandle* mdb) : mMdb(mdb) {
        MdbCatalogEntry& objects = AddEntry("MSysObjects", MDB_TABLE, kObjectsPage);
        Table table = OpenTable(&objects);
        RowReader reader(table.get());
        const int id = reader.Bind(reader.FindColumn("Id"));
        const int name = reader.Bind(reader.FindColumn("Name"));
        const int type = reader.Bind(reader.FindColumn("Type"));
        const int flags = reader.Bind(reader.FindColumn("Flags"));
        if (id < 0 || name < 0 || type < 0 || flags < 0) {
            throw HistoryError(kUnreadable);
        }
        reader.ForEachRow([&] {
            const auto objectName = reader.Text(name);
            const auto objectId = ToInteger(reader.Text(id));
            const auto objectType = ToInteger(reader.Text(type));
            if (objectName && objectId && objectType && objectName->size() <= MDB_MAX_OBJ_NAME) {
                mObjects.push_back({*objectName, static_cast<int>(*objectType), *objectId,
                                    ToInteger(reader.Text(flags)).value_or(0)});
            }
        });
    }

    // MSysObjects.Id of the saved query, or nullopt when the file has none.
    std::optional<long long> FindQueryId() const {
        for (const Object& object : mObjects) {
            if (object.type == kQueryObjectType && object.name == kQueryName) {
                return object.id;
            }
        }
        return std::nullopt;
    }

    // An entry for libmdb to read the named table through, or nullptr.
    MdbCatalogEntry* FindTable(const std::string& name) {
        for (const Object& object : mObjects) {
            if (object.type == MDB_TABLE && object.name == name) {
                return &AddEntry(name, MDB_TABLE, object.id & kPageMask);
            }
        }
        return nullptr;
    }

    // Entries for the user tables (system and hidden objects left out).
    std::vector<MdbCatalogEntry*> UserTables() {
        std::vector<MdbCatalogEntry*> tables;
        for (const Object& object : mObjects) {
            if (object.type == MDB_TABLE && (object.flags & kSystemFlags) == 0) {
                tables.push_back(&AddEntry(object.name, MDB_TABLE, object.id & kPageMask));
            }
        }
        return tables;
    }

private:
    struct Object {
        std::string name;
        int type;
        long long id;
        long long flags;
    };

    static constexpr unsigned long kObjectsPage = 2;
    static constexpr long long kPageMask = 0x00FFFFFF;  // Id = flags << 24 | tdef page
    static constexpr long long kSystemFlags = 0x80000002;

    MdbCatalogEntry& AddEntry(const std::string& name, int type, unsigned long page) {
        MdbCatalogEntry& entry = mEntries.emplace_back();
        entry.mdb = mMdb;
        entry.object_type = type;
        entry.table_pg = page;
        name.copy(entry.object_name, MDB_MAX_OBJ_NAME);
        return entry;
    }

    MdbHandle* mMdb;
    std::vector<Object> mObjects;
    std::deque<MdbCatalogEntry> mEntries;  // tables read through them point back at them
};

bool HasDrawFields(MdbCatalogEntry* entry) {
    Table table = OpenTable(entry);
    return HasDrawFields(RowReader(table.get()));
}

// The tables that the saved query selects from (MSysQueries rows with attribute 5).
std::vector<std::string> FindQuerySourceTables(Catalog& catalog, long long queryId) {
    std::vector<std::string> names;
    MdbCatalogEntry* entry = catalog.FindTable("MSysQueries");
    if (!entry) {
        return names;
    }
    Table table = OpenTable(entry);
    RowReader reader(table.get());
    const int objectId = reader.Bind(reader.FindColumn("ObjectId"));
    const int attribute = reader.Bind(reader.FindColumn("Attribute"));
    const int name1 = reader.Bind(reader.FindColumn("Name1"));
    if (objectId < 0 || attribute < 0 || name1 < 0) {
        return names;
    }
    reader.ForEachRow([&] {
        if (ToInteger(reader.Text(objectId)) == queryId &&
            ToInteger(reader.Text(attribute)) == kSourceTableAttribute) {
            if (auto name = reader.Text(name1)) {
                names.push_back(*name);
            }
        }
    });
    return names;
}

MdbCatalogEntry* FindTableThroughQuery(Catalog& catalog) {
    const auto queryId = catalog.FindQueryId();
    if (!queryId) {
        return nullptr;
    }
    for (const std::string& name : FindQuerySourceTables(catalog, *queryId)) {
        MdbCatalogEntry* entry = catalog.FindTable(name);
        if (entry && HasDrawFields(entry)) {
            return entry;
        }
    }
    return nullptr;
}

// The one user table that has all seven draw fields.
MdbCatalogEntry* FindTableByFields(Catalog& catalog) {
    std::vector<MdbCatalogEntry*> found;
    for (MdbCatalogEntry* entry : catalog.UserTables()) {
        if (HasDrawFields(entry)) {
            found.push_back(entry);
        }
    }
    if (found.empty()) {
        throw HistoryError(
            "中に当選データ（回数、第1数字～第5数字、ボーナス数字）の表が見つかりません。");
    }
    if (found.size() > 1) {
        std::string names;
        for (auto* entry : found) {
            names += names.empty() ? "" : "、";
            names += entry->object_name;
        }
        throw HistoryError("中に当選データの表が複数あり、どれを読むか決められません（" + names +
                           "）。");
    }
    return found.front();
}

std::vector<AccessRow> ReadRows(MdbCatalogEntry* entry) {
    Table table = OpenTable(entry);
    RowReader reader(table.get());
    const int drawNumber = reader.Bind(reader.FindColumn(kDrawNumberField));
    std::array<int, Draw::kFieldCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = reader.Bind(reader.FindColumn(kNumberFieldNames[i]));
    }
    const int date = reader.Bind(reader.FindColumn(kDateField));

    std::vector<AccessRow> rows;
    reader.ForEachRow([&] {
        AccessRow& row = rows.emplace_back();
        row.drawNumber = reader.Text(drawNumber);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            row.numbers[i] = reader.Text(numbers[i]);
        }
        row.date = reader.Text(date);
    });
    return rows;
}

std::size_t PageSize(const std::string& bytes) {
    const auto version = static_cast<unsigned char>(bytes[kJetVersionOffset]);
    return version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
}

AccessHistory ReadTables(const std::string& bytes) {
    if (!LooksLikeAccessFile(bytes)) {
        throw HistoryError(kUnreadable);
    }
    if (bytes.size() < 3 * PageSize(bytes) || bytes.size() % PageSize(bytes) != 0) {
        throw HistoryError(kDamaged);
    }
    // libmdb reads through a stream on the buffer; it gets its own copy so the caller's bytes
    // stay untouched whatever it does.
    std::string buffer = bytes;
    Handle mdb = OpenHandle(buffer);

    Catalog catalog(mdb.get());

    AccessHistory history;
    MdbCatalogEntry* entry = FindTableThroughQuery(catalog);
    history.foundThroughQuery = entry != nullptr;
    if (!entry) {
        entry = FindTableByFields(catalog);
    }
    history.tableName = entry->object_name;
    history.rows = ReadRows(entry);
    return history;
}

}  // namespace

AccessHistory ReadAccessHistory(const std::string& bytes, const std::string& source) {
    // libmdb writes English warnings about damage of its own; the refusal below says it in
    // Japanese.
    const SilencedStandardError quiet;
    try {
        return ReadTables(bytes);
    } catch (const HistoryError& e) {
        throw HistoryError(source + "の" + e.what());
    }
}

AccessHistory ReadAccessHistoryFile(const std::filesystem::path& file) {
    const std::string label = "Accessファイル「" + file.string() + "」";
    std::string bytes;
    try {
        bytes = ReadInputFile(file, label);
    } catch (const FileError& e) {
        throw HistoryError(e.what());
    }
    return ReadAccessHistory(bytes, label);
}

}  // namespace pirumo
