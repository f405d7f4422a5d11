// Randomized sessions on the headless back end: seeded sequences of what a user can do (keys,
// clicks, pointer moves, buttons, menu commands and command keys, with an answer for every
// dialog they open), the game's invariants checked after every event, and the shrinking of a
// failing sequence to a short one that still fails.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Fenster1;
class HeadlessBackend;

namespace session {

struct Event {
  enum class Kind {
    Key,           // text: the key as delivered to the window
    Click,         // a, b: canvas pixel, possibly outside the canvas (the toolkit clamps it)
    Move,          // a, b: likewise
    Press,         // a: button number 1 to 14, pressed whatever its state
    PressEnabled,  // a: picks one of the buttons enabled at that moment
    Menu,          // text: item name; a: picks the answer of the dialog it opens
    CommandKey,    // text: the letter; a: as for Menu
  };
  Kind kind = Kind::Key;
  std::string text;
  int a = 0;
  int b = 0;
};

// Human-readable, one event a line, for a failure report.
std::string describe(const Event& e);
std::string describe(const std::vector<Event>& events);

// The sequence of that seed: `count` events.
std::vector<Event> generate(std::uint64_t seed, int count);

// What is wrong with the game or with what the back end recorded, or nothing. `staleFeld` is
// the working grid that a solver's solution left, with the missing-digit sets as they were;
// while feld still equals it, the sets need not match feld.
std::optional<std::string> violation(Fenster1& w, const HeadlessBackend& backend,
                                     const std::vector<std::string>* staleFeld = nullptr);

// A failure found by replaying a sequence: the event after which it showed and what showed.
struct Failure {
  std::size_t event = 0;
  std::string what;
};

// How often the sessions reached the states worth reaching, so that a test can tell that the
// events get deep into the game and not only knock at its door.
struct Reached {
  long moves = 0;           // a trial taken with "Nehmen"
  long undos = 0;           // a move taken back
  long solves = 0;          // a solution found by "Lösen"
  long wins = 0;            // the congratulation
  long contradictions = 0;  // a contradiction reported
  long refusedFiles = 0;    // a file refused or a save that failed, with its message
  long saves = 0;           // a saved file checked against the committed grid
};

// Replays the events on a fresh game with a fresh pool of files in `folder` and checks the
// invariants after every event; the first failure, or nothing. Adds what it reached to `reached`.
std::optional<Failure> replay(const std::vector<Event>& events, const std::string& folder, Reached* reached = nullptr);

// The shortest sequence found, by removing events, that still fails (any failure counts).
std::vector<Event> shrink(std::vector<Event> events, const std::string& folder);

}  // namespace session
