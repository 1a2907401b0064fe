#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/document_reader.h"
#include "core/rtf_buffer.h"

namespace quorin {

// Converts one WordPerfect table (definition, rows, cells, table off) into one
// RTF table group. Text and ordinary codes inside cells go through the code
// reader's own operations; only the table codes and the text width differ.
class TableReader : public DocumentReader {
public:
    static constexpr size_t kMaxColumns = 32;

    // Starts from the running reader's fonts, page, margins and direction.
    explicit TableReader(const DocumentReader& reader) : DocumentReader(reader) {}

    // Reads the table whose definition code is at `cursor` and appends it to
    // `out`; `cursor` ends past the table-off code, at the end of the stream,
    // where a cancel request stopped, or on the definition of a next table.
    // The groups are always closed.
    void ConvertTable(const CodeView& stream, size_t& cursor, RtfBuffer& out);

    int TextWidth() override;
    void OnTableDefinition(const RtfBuffer& code, RtfBuffer& out) override;
    void OnTableRow(const RtfBuffer& code, RtfBuffer& out) override;
    void OnTableCell(const RtfBuffer& code, RtfBuffer& out) override;
    void OnTableOff(const RtfBuffer& code, RtfBuffer& out) override;

    void BuildTablePrefix();
    void StartRow(RtfBuffer& out);
    void EndRow(RtfBuffer& out);
    void EndCell(RtfBuffer& out);
    static std::string_view BorderStyleText(unsigned style);

    bool tableDone = false;
    bool rowOpen = false;
    bool cellOpen = false;
    RtfBuffer tablePrefix;
    RtfBuffer rowFormat;

    // Per column, indexed 0 to 31; columns the definition does not name stay 0.
    template <typename T>
    using Columns = std::array<T, kMaxColumns>;
    Columns<int> columnWidth{};  // twips
    Columns<uint16_t> columnAttributes{};  // bit n = attribute n
    Columns<int> columnAlignment{};  // low 3 bits used
    Columns<uint8_t> borderTop{}, borderBottom{}, borderLeft{}, borderRight{};  // styles 0 to 7
    Columns<bool> shaded{};

    int rowIndex = 0;  // rows ended so far
    int cellWidth = 0;  // twips
    unsigned tableColumns = 0;
    int tableFlags = 0;  // bits 0 to 2: the table's position
    uint16_t shadingPercent = 0;  // hundredths of a percent
    int tableOffset = 0;
    int paddingLeft = 0, paddingRight = 0, paddingTop = 0, paddingBottom = 0;
    unsigned headerRows = 0;
    bool rowWrap = false;
    bool rowAutoHeight = false;
    int rowHeight = 0;

private:
    // Calls take(column, value) for every column a run-length list gives,
    // below tableColumns and column 32; returns the offset after the list.
    // The list is cut where the code ends.
    template <typename Take>
    size_t ReadColumnList(const RtfBuffer& code, size_t offset, Take take) const;
};

}  // namespace quorin
