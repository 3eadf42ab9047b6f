#pragma once
// The eight user slots of the human managers. The career code builds the
// managers; the world's current-user rules need the slots now.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "soccerclasses/soccertactic.h"

class CHumanManager {
public:
    int32_t GetManagerIndex() const { return m_ManagerIndex; }
    void SetManagerIndex(int32_t index) { m_ManagerIndex = index; }
    bool HasManager() const { return m_ManagerIndex >= 0; }
    bool IsEmployed() const { return m_Employed; }
    void SetEmployed(bool employed) { m_Employed = employed; }

    // The advisors' inbox and the manager's own news; the career code
    // builds the screens that show them.
    struct InboxMessage {
        uint8_t code;
        std::string text1, text2, text3;
        int32_t id;
    };
    void AddMessage(uint8_t code, const std::string& t1, const std::string& t2, const std::string& t3, int32_t id) {
        m_Inbox.push_back({code, t1, t2, t3, id});
    }
    void AddNews(const std::string& text) { m_News.push_back(text); }
    const std::vector<InboxMessage>& GetInbox() const { return m_Inbox; }
    const std::vector<std::string>& GetNews() const { return m_News; }
    // The user's own formations; the career code saves them with the user.
    CSoccerTacticList& GetTactics() { return m_Tactics; }
    const CSoccerTacticList& GetTactics() const { return m_Tactics; }

private:
    int32_t m_ManagerIndex = -1;
    bool m_Employed = false;
    std::vector<InboxMessage> m_Inbox;
    std::vector<std::string> m_News;
    CSoccerTacticList m_Tactics;
};

class CUserList {
public:
    static constexpr int kSlots = 8;

    int GetSize() const { return kSlots; }
    CHumanManager* GetAt(int i) { return i >= 0 && i < kSlots ? &m_Slots[static_cast<size_t>(i)] : nullptr; }
    const CHumanManager* GetAt(int i) const {
        return i >= 0 && i < kSlots ? &m_Slots[static_cast<size_t>(i)] : nullptr;
    }
    // The first slot with a manager, -1 when none.
    int FindFirstWithManager() const {
        for (int i = 0; i < kSlots; ++i)
            if (m_Slots[static_cast<size_t>(i)].HasManager()) return i;
        return -1;
    }
    int GetManagerCount() const {
        int n = 0;
        for (const auto& s : m_Slots) n += s.HasManager() ? 1 : 0;
        return n;
    }

private:
    std::array<CHumanManager, kSlots> m_Slots;
};
