#pragma once
// An input sink that writes down what reaches it: "+K" a key pressed, "-K" released, and a word
// for every other event.
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"

namespace kv::test {

using Events = std::vector<std::string>;

struct RecordingSink : InputSink {
    Events events;
    // Appended rather than "+" + text: GCC 12 warns falsely about the operator.
    void keyDown(int key) override {
        events.push_back(std::string(1, '+').append(std::to_string(key)));
    }
    void keyUp(int key) override {
        events.push_back(std::string(1, '-').append(std::to_string(key)));
    }
    void textTyped(const std::string& t) override { events.push_back("text " + t); }
    void mouseDown(int, int) override { events.push_back("click"); }
    void mouseMove(int, int) override {}
    void closeRequested() override { events.push_back("close"); }
    void focusLost() override { events.push_back("focus lost"); }
    Events take() { return std::exchange(events, {}); }
};

}  // namespace kv::test
