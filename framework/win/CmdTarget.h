// Message maps: per class, a table that binds messages and commands to member
// functions, chained to the base class's table. Lookups walk the chain upwards.
#pragma once

#include <cstdint>
#include <span>

#include "WinDefs.h"

class CCmdTarget;

struct Message {
    unsigned message;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

struct MessageMapEntry {
    unsigned message;
    unsigned id;  // the command id for WM_COMMAND entries, 0 otherwise
    std::intptr_t (*call)(CCmdTarget& target, const Message& msg);
};

struct MessageMap {
    const MessageMap* base;
    std::span<const MessageMapEntry> entries;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    virtual const MessageMap* GetMessageMap() const { return &messageMap(); }
    static const MessageMap& messageMap();

    // The entry for `message` (and command `id` for WM_COMMAND) in this object's maps.
    const MessageMapEntry* FindEntry(unsigned message, unsigned id = 0) const;
    // Runs the handler of command `id` from this object's maps; false when none has one.
    virtual bool OnCmdMsg(unsigned id);
};

// Entry makers. The class is taken from the member pointer, so a map lists
// `onCommand<&CMyDlg::OnOpen>(IDC_OPEN)` and the call needs no casts at the site.
namespace message_map_detail {
template <class> struct ClassOf;
template <class T, class R, class... A> struct ClassOf<R (T::*)(A...)> { using type = T; };
template <class T, class R, class... A> struct ClassOf<R (T::*)(A...) const> { using type = T; };
template <auto Handler> using ClassOfT = typename ClassOf<decltype(Handler)>::type;
}  // namespace message_map_detail

// void OnX()
template <auto Handler>
constexpr MessageMapEntry onCommand(unsigned id)
{
    using T = message_map_detail::ClassOfT<Handler>;
    return {WM_COMMAND, id, [](CCmdTarget& t, const Message&) -> std::intptr_t {
                (static_cast<T&>(t).*Handler)();
                return 0;
            }};
}

// A message whose handler takes no arguments; its result, if any, is dropped.
template <auto Handler>
constexpr MessageMapEntry onMessage(unsigned message)
{
    using T = message_map_detail::ClassOfT<Handler>;
    return {message, 0, [](CCmdTarget& t, const Message&) -> std::intptr_t {
                (void)(static_cast<T&>(t).*Handler)();
                return 0;
            }};
}

// void OnSysCommand(unsigned nID, long lParam)
template <auto Handler>
constexpr MessageMapEntry onSysCommand()
{
    using T = message_map_detail::ClassOfT<Handler>;
    return {WM_SYSCOMMAND, 0, [](CCmdTarget& t, const Message& m) -> std::intptr_t {
                (static_cast<T&>(t).*Handler)(static_cast<unsigned>(m.wParam), static_cast<long>(m.lParam));
                return 0;
            }};
}
