#include "history/accesshistory.h"

#include <mdbtools.h>

#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>

#include "history/historyerror.h"

namespace pirumo {

namespace {

constexpr char kQueryName[] = "全データ選択クエリ";
constexpr char kDrawNumberField[] = "回数";
constexpr char kDateField[] = "開催日";
constexpr std::array<const char*, Draw::kFieldCount> kNumberFields = {
    "第1数字", "第2数字", "第3数字", "第4数字", "第5数字", "ボーナス数字"};

constexpr int kQueryObjectType = 5;       // MSysObjects.Type of a saved query
constexpr int kSourceTableAttribute = 5;  // MSysQueries.Attribute of a row naming a source table
// No history has more rows than there are draw numbers; a larger count means a damaged file.
constexpr std::size_t kMaxRows = 32767;
constexpr std::size_t kMaxFileSize = std::size_t{256} << 20;
constexpr std::size_t kJet3PageSize = 2048;
constexpr std::size_t kJet4PageSize = 4096;
constexpr std::size_t kVersionOffset = 0x14;
constexpr char kJetSignature[] = "Standard Jet DB";

const std::string kUnreadable =
    "Accessのファイルとして読めません。ファイルが壊れているか、Accessのデータベースではありません"
    "。";
const std::string kDamaged = "Accessのファイルが途中で切れているか、壊れています。";

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using Handle = std::unique_ptr<MdbHandle, HandleCloser>;

struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

// Jet 3 files carry no code page of their own; Japanese ones are in CP932, and the names this
// reader looks for are Japanese, so no other code page could match them anyway. libmdb would
// otherwise follow the MDBICONV and MDB_JET3_CHARSET environment variables.
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
        throw HistoryError("文字コードの変換を準備できません（iconv）。");
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
            "Access 97 / 2000 形式（Jet 3 / Jet 4）以外のファイルには対応していません。");
    }
    SetTextEncoding(mdb.get());
    mdb_set_date_fmt(mdb.get(), "%Y/%m/%d");
    mdb_set_shortdate_fmt(mdb.get(), "%Y/%m/%d");
    if (!mdb_read_catalog(mdb.get(), MDB_ANY)) {
        throw HistoryError(kUnreadable);
    }
    return mdb;
}

MdbCatalogEntry* FindCatalogEntry(MdbHandle* mdb, const std::string& name, int type) {
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == type && name == entry->object_name) {
            return entry;
        }
    }
    return nullptr;
}

Table OpenTable(MdbCatalogEntry* entry) {
    Table table(mdb_read_table(entry));
    if (!table || !mdb_read_columns(table.get())) {
        throw HistoryError(kDamaged);
    }
    return table;
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

    // Binds a column and returns its slot for Text(); -1 (a missing column) gives slot -1.
    int Bind(int column) {
        if (column < 0) {
            return -1;
        }
        auto& buffer = mBuffers.emplace_back(mTable->entry->mdb->bind_size + 1, '\0');
        mdb_bind_column(mTable, column + 1, buffer.data(), &mLengths.emplace_back(0));
        return static_cast<int>(mBuffers.size()) - 1;
    }

    void Rewind() { mdb_rewind_table(mTable); }
    bool Fetch() {
        for (auto& buffer : mBuffers) {
            buffer[0] = '\0';
        }
        return mdb_fetch_row(mTable) != 0;
    }

    // The field's text in the current row; nullopt for Null, an empty text or slot -1.
    std::optional<std::string> Text(int slot) const {
        if (slot < 0) {
            return std::nullopt;
        }
        const auto& buffer = mBuffers[static_cast<std::size_t>(slot)];
        std::string text(buffer.data(), strnlen(buffer.data(), buffer.size() - 1));
        if (text.empty()) {
            return std::nullopt;
        }
        return text;
    }

private:
    MdbTableDef* mTable;
    std::vector<std::vector<char>> mBuffers;
    std::deque<int> mLengths;  // libmdb keeps pointers to these
};

bool HasDrawFields(const RowReader& reader) {
    if (reader.FindColumn(kDrawNumberField) < 0) {
        return false;
    }
    for (const char* field : kNumberFields) {
        if (reader.FindColumn(field) < 0) {
            return false;
        }
    }
    return true;
}

bool HasDrawFields(MdbCatalogEntry* entry) {
    Table table = OpenTable(entry);
    return HasDrawFields(RowReader(table.get()));
}

// MSysObjects.Id of the saved query, or nullopt when the file has none.
std::optional<std::string> FindQueryId(MdbHandle* mdb) {
    MdbCatalogEntry* entry = FindCatalogEntry(mdb, "MSysObjects", MDB_TABLE);
    if (!entry) {
        return std::nullopt;
    }
    Table table = OpenTable(entry);
    RowReader reader(table.get());
    const int id = reader.Bind(reader.FindColumn("Id"));
    const int name = reader.Bind(reader.FindColumn("Name"));
    const int type = reader.Bind(reader.FindColumn("Type"));
    if (id < 0 || name < 0 || type < 0) {
        return std::nullopt;
    }
    reader.Rewind();
    while (reader.Fetch()) {
        if (reader.Text(name) == kQueryName &&
            reader.Text(type) == std::to_string(kQueryObjectType)) {
            return reader.Text(id);
        }
    }
    return std::nullopt;
}

// The tables that the saved query selects from (MSysQueries rows with attribute 5).
std::vector<std::string> FindQuerySourceTables(MdbHandle* mdb, const std::string& queryId) {
    std::vector<std::string> names;
    MdbCatalogEntry* entry = FindCatalogEntry(mdb, "MSysQueries", MDB_TABLE);
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
    reader.Rewind();
    while (reader.Fetch()) {
        if (reader.Text(objectId) == queryId &&
            reader.Text(attribute) == std::to_string(kSourceTableAttribute)) {
            if (auto name = reader.Text(name1)) {
                names.push_back(*name);
            }
        }
    }
    return names;
}

MdbCatalogEntry* FindTableThroughQuery(MdbHandle* mdb) {
    const auto queryId = FindQueryId(mdb);
    if (!queryId) {
        return nullptr;
    }
    for (const std::string& name : FindQuerySourceTables(mdb, *queryId)) {
        MdbCatalogEntry* entry = FindCatalogEntry(mdb, name, MDB_TABLE);
        if (entry && HasDrawFields(entry)) {
            return entry;
        }
    }
    return nullptr;
}

// The one user table that has all seven draw fields.
MdbCatalogEntry* FindTableByFields(MdbHandle* mdb) {
    std::vector<MdbCatalogEntry*> found;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry) && HasDrawFields(entry)) {
            found.push_back(entry);
        }
    }
    if (found.empty()) {
        throw HistoryError(
            "Accessのファイルに当選データ（回数、第1数字～第5数字、ボーナス数字）の表が"
            "見つかりません。");
    }
    if (found.size() > 1) {
        std::string names;
        for (auto* entry : found) {
            names += names.empty() ? "" : "、";
            names += entry->object_name;
        }
        throw HistoryError(
            "Accessのファイルに当選データの表が複数あり、どれを読むか決められません: " + names);
    }
    return found.front();
}

std::vector<AccessRow> ReadRows(MdbCatalogEntry* entry) {
    Table table = OpenTable(entry);
    RowReader reader(table.get());
    const int drawNumber = reader.Bind(reader.FindColumn(kDrawNumberField));
    std::array<int, Draw::kFieldCount> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = reader.Bind(reader.FindColumn(kNumberFields[i]));
    }
    const int date = reader.Bind(reader.FindColumn(kDateField));

    std::vector<AccessRow> rows;
    reader.Rewind();
    while (reader.Fetch()) {
        if (rows.size() == kMaxRows) {
            throw HistoryError(kDamaged);
        }
        AccessRow& row = rows.emplace_back();
        row.drawNumber = reader.Text(drawNumber);
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            row.numbers[i] = reader.Text(numbers[i]);
        }
        row.date = reader.Text(date);
    }
    // A page that is missing or unreadable ends the walk early without an error from libmdb;
    // the row count kept in the table definition tells.
    if (rows.size() != table->num_rows) {
        throw HistoryError(kDamaged);
    }
    return rows;
}

std::size_t PageSize(const std::string& bytes) {
    const auto version = static_cast<unsigned char>(bytes[kVersionOffset]);
    return version == MDB_VER_JET3 ? kJet3PageSize : kJet4PageSize;
}

}  // namespace

bool LooksLikeAccessFile(const std::string& bytes) {
    return bytes.size() > kVersionOffset + 4 &&
           bytes.compare(4, sizeof kJetSignature, kJetSignature, sizeof kJetSignature) == 0;
}

AccessHistory ReadAccessHistory(const std::string& bytes) {
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

    AccessHistory history;
    MdbCatalogEntry* entry = FindTableThroughQuery(mdb.get());
    history.foundThroughQuery = entry != nullptr;
    if (!entry) {
        entry = FindTableByFields(mdb.get());
    }
    history.tableName = entry->object_name;
    history.rows = ReadRows(entry);
    return history;
}

AccessHistory ReadAccessHistoryFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw HistoryError("Accessのファイルを開けません: " + file.string());
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > kMaxFileSize) {
        throw HistoryError("Accessのファイルが大きすぎるか、大きさを調べられません: " +
                           file.string());
    }
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad()) {
        throw HistoryError("Accessのファイルを読めません: " + file.string());
    }
    return ReadAccessHistory(bytes);
}

}  // namespace pirumo
