#include "CmdTarget.h"

const MessageMap& CCmdTarget::messageMap()
{
    static const MessageMap map{nullptr, {}};
    return map;
}

const MessageMapEntry* CCmdTarget::FindEntry(unsigned message, unsigned id) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (const MessageMapEntry& e : map->entries) {
            if (e.message == message && (message != WM_COMMAND || e.id == id))
                return &e;
        }
    }
    return nullptr;
}

bool CCmdTarget::OnCmdMsg(unsigned id)
{
    const MessageMapEntry* e = FindEntry(WM_COMMAND, id);
    if (!e)
        return false;
    e->call(*this, Message{WM_COMMAND, id, 0});
    return true;
}
