#include "text/MoveLine.h"

#include "text/Decimal.h"

std::string MoveLineText(int fromRow, int fromCol, int toRow, int toCol, bool clone) {
    return std::to_string(fromRow) + '-' + std::to_string(fromCol) + '-' + std::to_string(toRow) + '-' +
           std::to_string(toCol) + '-' + (clone ? '1' : '0');
}

MoveLineFields SplitMoveLine(std::string_view line) {
    MoveLineFields fields;
    for (; fields.Dashes < fields.Cells.size(); ++fields.Dashes) {
        const std::size_t dash = line.find('-');
        if (dash == std::string_view::npos) return fields;
        fields.Cells[fields.Dashes] = line.substr(0, dash);
        line.remove_prefix(dash + 1);
    }
    fields.Kind = line;
    return fields;
}

std::optional<std::array<int, 5>> ReadMoveLineStrictly(std::string_view line) {
    const MoveLineFields fields = SplitMoveLine(line);
    if (fields.Dashes != fields.Cells.size()) return std::nullopt;
    std::array<int, 5> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string_view text = i < fields.Cells.size() ? fields.Cells[i] : fields.Kind;
        const std::optional<int> value = text.size() <= 2 ? ReadDecimal(text) : std::nullopt;
        if (!value) return std::nullopt;
        numbers[i] = *value;
    }
    if (numbers[4] > 1) return std::nullopt;
    return numbers;
}
