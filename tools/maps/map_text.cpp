#include "map_text.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "world/map_file.h"

namespace duskmoor::maps {
namespace {

// A cell is drawn four characters wide: its west side, then three inside.
constexpr int kCellColumns = 4;
constexpr std::string_view kWallSpan = "---";
constexpr std::string_view kDoorSpan = "-D-";
constexpr std::string_view kOpenSpan = "   ";
constexpr int kLargestCode2 = 32767 - kRoofMarker;

enum class Side { Open, Wall, Door, Unknown };

struct ParseFailure {
    int line;
    std::string message;
};

std::string CellName(int x, int y) {
    return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

Side HorizontalSide(std::string_view span) {
    if (span == kWallSpan) return Side::Wall;
    if (span == kDoorSpan) return Side::Door;
    if (span == kOpenSpan) return Side::Open;
    return Side::Unknown;
}

Side VerticalSide(char mark) {
    switch (mark) {
        case '|':
            return Side::Wall;
        case 'D':
            return Side::Door;
        case ' ':
            return Side::Open;
        default:
            return Side::Unknown;
    }
}

void SetSide(BlockMap& map, int x, int y, int direction, Side side) {
    if (!map.Inside(x, y)) return;
    MapCell& cell = map.At(x, y);
    WallOf(cell, direction) = side == Side::Open ? 0 : 1;
    DoorOf(cell, direction) = side == Side::Door ? 1 : 0;
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t position = 0;
    while (position < line.size()) {
        while (position < line.size() && (line[position] == ' ' || line[position] == '\t')) ++position;
        const size_t start = position;
        while (position < line.size() && line[position] != ' ' && line[position] != '\t') ++position;
        if (position > start) words.push_back(line.substr(start, position - start));
    }
    return words;
}

bool ReadNumber(std::string_view word, int& number) {
    const auto result = std::from_chars(word.data(), word.data() + word.size(), number);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

class MapTextParser {
  public:
    explicit MapTextParser(std::string_view text) {
        std::string_view rest = text;
        while (!rest.empty()) {
            const size_t end = rest.find('\n');
            std::string_view line = rest.substr(0, end);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            lines_.push_back(line);
            rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        }
    }

    BlockMap Parse() {
        size_t index = 0;
        while (index < lines_.size()) {
            const std::vector<std::string_view> words = Words(lines_[index]);
            const int line_number = static_cast<int>(index) + 1;
            ++index;
            if (words.empty() || words[0].front() == ';') continue;
            if (words[0] == "block") {
                ReadBlock(words, line_number);
            } else if (words[0] == "size") {
                ReadSize(words, line_number);
            } else if (words[0] == "plan") {
                ReadPlan(index, line_number);
                index += 2 * map_.height + 1;
            } else if (words[0] == "code") {
                ReadCode(words, line_number);
            } else {
                Fail(line_number, "unknown keyword '" + std::string(words[0]) + "'");
            }
        }
        const int last_line = static_cast<int>(lines_.size());
        if (map_.block < 0) Fail(last_line, "the map names no block (a line 'block N')");
        if (!plan_read_) Fail(last_line, "the map has no plan");
        return map_;
    }

  private:
    [[noreturn]] void Fail(int line, std::string message) { throw ParseFailure{line, std::move(message)}; }

    void ReadBlock(const std::vector<std::string_view>& words, int line) {
        int block = 0;
        if (words.size() != 2 || !ReadNumber(words[1], block) || block < 0 || block >= kBlockCount) {
            Fail(line, "expected 'block N' with N from 0 to " + std::to_string(kBlockCount - 1));
        }
        if (map_.block >= 0) Fail(line, "the block is named twice");
        map_.block = block;
    }

    void ReadSize(const std::vector<std::string_view>& words, int line) {
        int width = 0;
        int height = 0;
        if (words.size() != 3 || !ReadNumber(words[1], width) || !ReadNumber(words[2], height)) {
            Fail(line, "expected 'size WIDTH HEIGHT'");
        }
        if (width < 1 || height < 1 || width * height > kMapFileCells) {
            Fail(line, "a map has 1 to " + std::to_string(kMapFileCells) + " cells, not " +
                           std::to_string(width) + " x " + std::to_string(height));
        }
        if (map_.width != 0) Fail(line, "the size is given twice");
        map_.width = width;
        map_.height = height;
        map_.cells.assign(width * height, MapCell{});
    }

    void ReadPlan(size_t first, int line) {
        if (map_.width == 0) Fail(line, "the plan comes before the size");
        if (plan_read_) Fail(line, "the map has two plans");
        const size_t plan_lines = 2 * map_.height + 1;
        if (first + plan_lines > lines_.size()) {
            Fail(static_cast<int>(lines_.size()),
                 "the plan ends early: it needs " + std::to_string(plan_lines) + " lines");
        }
        for (size_t offset = 0; offset < plan_lines; ++offset) {
            const int line_number = static_cast<int>(first + offset) + 1;
            const std::string text = PlanLine(lines_[first + offset], line_number);
            if (offset % 2 == 0) {
                ReadBoundaryLine(text, map_.height - static_cast<int>(offset / 2), line_number);
            } else {
                ReadCellLine(text, map_.height - 1 - static_cast<int>(offset / 2), line_number);
            }
        }
        plan_read_ = true;
    }

    // Editors drop trailing blanks, so a short line is padded back to full width.
    std::string PlanLine(std::string_view line, int line_number) {
        const size_t columns = kCellColumns * map_.width + 1;
        if (line.size() > columns) {
            Fail(line_number, "the plan line is " + std::to_string(line.size()) + " characters long; a map " +
                                  std::to_string(map_.width) + " cells wide draws " +
                                  std::to_string(columns));
        }
        std::string text(line);
        text.resize(columns, ' ');
        for (size_t column = 0; column < text.size(); ++column) {
            if (text[column] < ' ' || text[column] > '~') {
                Fail(line_number, "column " + std::to_string(column + 1) +
                                      " holds a character that is not "
                                      "printable (tabs are not allowed in a plan)");
            }
        }
        return text;
    }

    // The line between row `upper_row` (above) and the row below it.
    void ReadBoundaryLine(const std::string& text, int upper_row, int line) {
        for (int x = 0; x <= map_.width; ++x) {
            const char corner = text[kCellColumns * x];
            if (corner != '+' && corner != ' ') {
                Fail(line, "column " + std::to_string(kCellColumns * x + 1) +
                               ": a corner is '+' or blank, not '" + std::string(1, corner) + "'");
            }
            if (x == map_.width) break;
            const std::string_view span = std::string_view(text).substr(kCellColumns * x + 1, 3);
            const Side side = HorizontalSide(span);
            if (side == Side::Unknown) {
                Fail(line, "column " + std::to_string(kCellColumns * x + 2) + ": the side above cell " +
                               CellName(x, upper_row - 1) + " is '" + std::string(span) +
                               "'; a side is '---' (wall), '-D-' (door) or blank");
            }
            SetSide(map_, x, upper_row, kSouth, side);
            SetSide(map_, x, upper_row - 1, kNorth, side);
        }
    }

    void ReadCellLine(const std::string& text, int row, int line) {
        for (int x = 0; x <= map_.width; ++x) {
            const char mark = text[kCellColumns * x];
            const Side side = VerticalSide(mark);
            if (side == Side::Unknown) {
                Fail(line, "column " + std::to_string(kCellColumns * x + 1) + ": the side west of cell " +
                               CellName(x, row) + " is '" + std::string(1, mark) +
                               "'; a side is '|' (wall), 'D' (door) or blank");
            }
            SetSide(map_, x - 1, row, kEast, side);
            SetSide(map_, x, row, kWest, side);
            if (x == map_.width) break;
            const char roof = text[kCellColumns * x + 2];
            if (roof != '.' && roof != ' ') {
                Fail(line, "column " + std::to_string(kCellColumns * x + 3) + ": cell " + CellName(x, row) +
                               " has roof mark '" + std::string(1, roof) +
                               "'; it is '.' (roofed) or blank (sky)");
            }
            map_.At(x, row).Roofed = roof == '.' ? -1 : 0;
        }
    }

    void ReadCode(const std::vector<std::string_view>& words, int line) {
        if (!plan_read_) Fail(line, "a code line comes before the plan");
        int x = 0, y = 0, code1 = 0, code2 = 0;
        if (words.size() != 5 || !ReadNumber(words[1], x) || !ReadNumber(words[2], y) ||
            !ReadNumber(words[3], code1) || !ReadNumber(words[4], code2)) {
            Fail(line, "expected 'code X Y CODE1 CODE2'");
        }
        if (!map_.Inside(x, y)) Fail(line, "cell " + CellName(x, y) + " is outside the map");
        MapCell& cell = map_.At(x, y);
        const int largest = cell.Roofed != 0 ? kLargestCode2 : kRoofMarker - 1;
        if (code1 < -32768 || code1 > 32767) Fail(line, "the first code does not fit 16 bits");
        if (code2 < 0 || code2 > largest) {
            Fail(line, "the second code of " + std::string(cell.Roofed != 0 ? "a roofed" : "an open") +
                           " cell is 0 to " + std::to_string(largest));
        }
        cell.Code1 = static_cast<int16_t>(code1);
        cell.Code2 = static_cast<int16_t>(code2);
    }

    std::vector<std::string_view> lines_;
    BlockMap map_;
    bool plan_read_ = false;
};

char HorizontalCorner(const BlockMap& map, int x, int upper_row) {
    // A corner is drawn where any wall meets it.
    const auto wall_at = [&](int cell_x, int cell_y, int direction) {
        return map.Inside(cell_x, cell_y) && WallOf(map.At(cell_x, cell_y), direction) != 0;
    };
    const bool wall = wall_at(x - 1, upper_row, kSouth) || wall_at(x, upper_row, kSouth) ||
                      wall_at(x - 1, upper_row - 1, kNorth) || wall_at(x, upper_row - 1, kNorth) ||
                      wall_at(x - 1, upper_row, kEast) || wall_at(x, upper_row, kWest) ||
                      wall_at(x - 1, upper_row - 1, kEast) || wall_at(x, upper_row - 1, kWest);
    return wall ? '+' : ' ';
}

std::string_view SpanOf(const MapCell* cell, int direction) {
    if (cell == nullptr || WallOf(*cell, direction) == 0) return kOpenSpan;
    return DoorOf(*cell, direction) != 0 ? kDoorSpan : kWallSpan;
}

char MarkOf(const MapCell& cell, int direction) {
    if (WallOf(cell, direction) == 0) return ' ';
    return DoorOf(cell, direction) != 0 ? 'D' : '|';
}

}  // namespace

std::optional<BlockMap> ParseMapText(std::string_view text, std::string& error) {
    try {
        return MapTextParser(text).Parse();
    } catch (const ParseFailure& failure) {
        error = "line " + std::to_string(failure.line) + ": " + failure.message;
        return std::nullopt;
    }
}

// Each side is drawn from the cell below or to the east of it where there is
// one, so a side set on one cell only shows how the game would see it from there.
std::string WriteMapText(const BlockMap& map, const CellMarker& marker) {
    std::ostringstream out;
    out << "block " << map.block << "\nsize " << map.width << ' ' << map.height << "\nplan\n";
    for (int upper_row = map.height; upper_row >= 0; --upper_row) {
        std::string line;
        for (int x = 0; x < map.width; ++x) {
            line += HorizontalCorner(map, x, upper_row);
            const bool below = upper_row - 1 >= 0;
            line += below ? SpanOf(&map.At(x, upper_row - 1), kNorth) : SpanOf(&map.At(x, upper_row), kSouth);
        }
        line += HorizontalCorner(map, map.width, upper_row);
        out << line << '\n';
        if (upper_row == 0) break;
        const int row = upper_row - 1;
        line.clear();
        for (int x = 0; x < map.width; ++x) {
            const MapCell& cell = map.At(x, row);
            line += MarkOf(cell, kWest);
            const CellMarks marks = marker ? marker(x, row) : CellMarks{};
            line += marks.left;
            line += cell.Roofed != 0 ? '.' : ' ';
            line += marks.right;
        }
        line += MarkOf(map.At(map.width - 1, row), kEast);
        out << line << '\n';
    }
    for (int index = 0; index < map.CellCount(); ++index) {
        const MapCell& cell = map.cells[index];
        if (cell.Code1 != 0 || cell.Code2 != 0) {
            out << "code " << index % map.width << ' ' << index / map.width << ' ' << cell.Code1 << ' '
                << cell.Code2 << '\n';
        }
    }
    return out.str();
}

}  // namespace duskmoor::maps
