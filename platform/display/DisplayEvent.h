#pragma once
// One event from the display's page: what the person did with the device's screen and the
// controls around it. Messages are JSON objects with a "type"; anything malformed (not JSON, an
// unknown type, a missing or non-finite number, an out-of-range value) parses to nothing.
//
//   {"type":"pointer","phase":"down"|"move"|"up"|"cancel","id":1,"x":160,"y":240}
//   {"type":"wheel","x":160,"y":240,"dx":0,"dy":40}
//   {"type":"text","id":12,"value":"abc","start":3,"length":0}      an input's text was edited
//   {"type":"select","id":12,"start":0,"length":3,"text":"abc","rect":[x,y,w,h]}
//   {"type":"return","id":12}
//   {"type":"rotate","direction":"left"|"right"}
//   {"type":"shake"}  {"type":"home"}  {"type":"activate"}
//   {"type":"visibility","visible":true|false}
//   {"type":"paste","text":"..."}                                       text for the pasteboard
//   {"type":"languages","languages":["fr-FR","en"]}                     the browser's languages
//   {"type":"location","state":"at","latitude":48.85,"longitude":2.35}  the device's position;
//   {"type":"location","state":"unknown"|"off"}                         none, or services off
//   {"type":"web","id":7,"serial":3,"event":"loaded"}                  a web view's page, through
//   {"type":"web","id":7,"serial":3,"event":"request","navigation":"link"|"form"|"reload"|
//        "backForward"|"other","url":"...","method":"GET"|"POST","body":"a=1","gesture":true}
//                                                                         its frame's bridge
//   {"type":"web","id":7,"serial":3,"event":"selection","text":"...","rect":[x,y,w,h]}
//   {"type":"web","id":7,"event":"failed","src":"/d/...","reason":"..."}   the frame's document
//                                                                          never spoke
//
// Any of them may carry "input": the page's running number of the message, which the program
// acknowledges once it has handled it (see DeviceSession).
//
// Points are the device's, in the coordinates of the root view; text positions count UTF-16 units.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/URLRequest.h"
#include "platform/ui/Point.h"
#include "platform/ui/Rect.h"

namespace display {

struct DisplayEvent {
    enum class Kind {
        Pointer,
        Wheel,
        Text,
        Select,
        Return,
        Rotate,
        Shake,
        Home,
        Activate,
        Visibility,
        Web,
        Paste,
        Languages,
        Location,
    };
    enum class Phase { Down, Move, Up, Cancel };
    enum class WebEvent { Loaded, Failed, Request, Selection };
    enum class LocationState { At, Unknown, Off };

    Kind kind = Kind::Shake;
    Phase phase = Phase::Down;  // pointer
    int pointer = 0;            // pointer: one identifier per finger or mouse
    ui::Point location;         // pointer, wheel
    double dx = 0, dy = 0;      // wheel, in points
    std::uint64_t element = 0;  // text, select, return: the input's element id; web: the web view's
    std::string text;           // text: the new value; select, web selection: the selected text;
                                // web failed: why; paste: the text
    std::size_t start = 0;      // text, select: the selection
    std::size_t length = 0;
    ui::Rect rect;        // select: where the selection is on the screen; web: in the web view
    int turn = 0;         // rotate: -1 to the left (counter-clockwise), +1 to the right
    bool visible = true;  // visibility
    // web
    WebEvent web = WebEvent::Loaded;
    std::uint64_t serial = 0;            // the document the frame shows (0 when unknown)
    std::string url;                     // request: the address the browser made; failed: the frame's src
    std::vector<std::string> languages;  // languages: the tab's, most wanted first
    // location: the device's position in degrees (on the globe), when the state is At
    LocationState locationState = LocationState::Unknown;
    double latitude = 0, longitude = 0;
    std::string method = "GET";
    std::string body;      // a POST form's fields, form-encoded
    bool gesture = false;  // request: the person's own tap or key press made it
    fnd::URLRequest::NavigationType navigation = fnd::URLRequest::NavigationType::Other;

    // The page's running number of the message (0: none), whatever else it holds.
    std::uint64_t input = 0;

    static std::optional<DisplayEvent> parse(std::string_view message);
    // The running number of a message that may not parse as an event (0: none).
    static std::uint64_t inputOf(std::string_view message);
};

}  // namespace display
