#pragma once

#include <string>

namespace vindelkast {

// The colours a view gives its lines and progress cells; the window maps them to its own.
enum class Colour { Black, Red, Blue, White };

// One line of a text pane: Windows-1252 text in a fixed-pitch font, with its colour.
struct ViewLine {
    std::string text;
    Colour colour = Colour::Black;
    // A list's caption or column heading: on paper the list from here on is kept on one page
    // where it fits, and its heading lines start every further page it runs onto.
    bool listHeading = false;

    bool operator==(const ViewLine&) const = default;
};

}  // namespace vindelkast
