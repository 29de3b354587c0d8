// Values given on the command line, put through the editor's field exchange.
#pragma once

#include <optional>
#include <string>

#include "ConfigRecord.h"

// The texts given for the six values; a value not given is left as it is.
struct ValueTexts {
    std::optional<std::string> title;   // UTF-8, as typed in a terminal
    std::optional<std::string> customerId;
    std::optional<std::string> keyAddr;
    std::optional<std::string> hwType;
    std::optional<std::string> style;
    std::optional<std::string> jpegAddr;
};

// A value the exchange refused: the field's label and the editor's message.
struct ValueRefusal {
    std::string label;
    std::string message;
};

// Shows `values` in a table of fields, puts the given texts into their fields and takes
// the table back with the editor's exchange, in its order and with its messages. On a
// refusal `values` is left unchanged.
std::optional<ValueRefusal> applyValueTexts(const ValueTexts& texts, ConfigValues& values);
