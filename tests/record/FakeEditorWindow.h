// A stand-in for the editor window: logs every call in order, answers the file
// dialog from a script, and exchanges EditorState with a small table of field texts.
#pragma once

#include <charconv>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "EditorState.h"
#include "EditorWindow.h"

class FakeEditorWindow : public EditorWindow {
public:
    using Fields = std::map<std::string, std::string>;

    explicit FakeEditorWindow(EditorState& state) : m_state(state) { showFields(); }

    std::vector<std::string> calls;                    // "chooseFile(open)", "showState", ...
    std::deque<std::optional<std::string>> answers;    // what each chooseFile returns
    Fields fields;                                     // "input", "output", "title", "hwType", ...
    std::vector<Fields> fieldsAtMessage;               // what the window showed under each message

    std::optional<std::string> chooseFile(bool forSaving) override {
        calls.push_back(forSaving ? "chooseFile(save)" : "chooseFile(open)");
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    void showMessage(const std::string& text) override {
        calls.push_back("showMessage(" + text + ")");
        fieldsAtMessage.push_back(fields);
    }

    bool showState() override {
        calls.push_back("showState");
        showFields();
        return true;
    }

    // Takes the fields in the exchange's order and stops at the first refusal, as
    // the real exchange does: fields before it are taken, it and those after are not.
    bool takeState() override {
        calls.push_back("takeState");
        m_state.m_inputPath = fields["input"];
        m_state.m_outputPath = fields["output"];
        ConfigValues& v = m_state.m_values;
        v.titleName = fields["title"];
        if (v.titleName.size() > ConfigRecord::kMaxTitleLength) return refuse("title");
        if (!take("hwType", v.hwType) || !take("keyAddr", v.keyAddr) || !take("style", v.style) ||
            !take("customerId", v.customerId) || !take("jpegAddr", v.jpegAddr))
            return false;
        return true;
    }

private:
    void showFields() {
        const ConfigValues& v = m_state.m_values;
        fields["input"] = m_state.m_inputPath;
        fields["output"] = m_state.m_outputPath;
        fields["title"] = v.titleName;
        fields["hwType"] = std::to_string(v.hwType);
        fields["keyAddr"] = std::to_string(v.keyAddr);
        fields["style"] = std::to_string(v.style);
        fields["customerId"] = std::to_string(v.customerId);
        fields["jpegAddr"] = std::to_string(v.jpegAddr);
    }

    template <typename T>
    bool take(const std::string& name, T& member) {
        const std::string& text = fields[name];
        T value{};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || end != text.data() + text.size()) return refuse(name);
        member = value;
        return true;
    }

    bool refuse(const std::string& name) {
        calls.push_back("refused(" + name + ")");
        return false;
    }

    EditorState& m_state;
};
