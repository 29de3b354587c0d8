// A dialog for exchange tests: field texts in a map, and a record of every window
// operation the exchange makes, including the help-prompt context seen during a message.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DataExchange.h"
#include "HelpContext.h"

class FakeDialog : public CDataExchangeHost {
public:
    struct Message {
        std::string text;
        std::optional<unsigned> stringId;
        std::uint32_t helpContextWhileOpen;
        bool exchangingWhileOpen;
    };
    struct Read {
        int id;
        std::optional<int> limit;
    };

    std::map<int, std::string> fields;
    std::vector<std::pair<int, std::string>> sets;
    mutable std::vector<Read> reads;
    std::vector<int> focused;               // focus and selection, in order
    std::map<int, int> limits;              // last limit per field
    std::vector<Message> messages;
    std::function<void(CDataExchange*)> exchangeList;
    std::function<void()> onMessage;        // runs inside the box, e.g. to throw

    bool hasField(int id) const override { return fields.count(id) != 0; }

    std::string getFieldText(int id, std::optional<int> limit) const override {
        reads.push_back({id, limit});
        const std::string& text = fields.at(id);
        return limit ? text.substr(0, static_cast<std::size_t>(*limit)) : text;
    }

    void setFieldText(int id, const std::string& text) override {
        sets.emplace_back(id, text);
        fields.at(id) = text;
    }

    void focusAndSelectField(int id) override { focused.push_back(id); }

    void limitFieldText(int id, int limit) override { limits[id] = limit; }

    void showValidationMessage(const std::string& text, std::optional<unsigned> stringId) override {
        messages.push_back({text, stringId, AfxGetHelpPromptContext(), isExchanging()});
        if (onMessage) onMessage();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (exchangeList) exchangeList(pDX);
    }
};
