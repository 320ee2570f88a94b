// The framework's ownership rules and string lists, on either backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Component.h"
#include "ui/Strings.h"

namespace kv::ui {
namespace {

// Records destructions in a shared list.
class Tracked : public TComponent {
public:
    Tracked(TComponent* owner, std::u16string name, std::vector<std::u16string>* log) : TComponent(owner), log_(log)
    {
        SetName(std::move(name));
    }
    ~Tracked() override { log_->push_back(Name()); }

private:
    std::vector<std::u16string>* log_;
};

TEST(Component, OwnsInCreationOrderAndDestroysLatestFirst)
{
    std::vector<std::u16string> log;
    {
        Tracked owner(nullptr, u"owner", &log);
        new Tracked(&owner, u"a", &log);
        auto* b = new Tracked(&owner, u"b", &log);
        new Tracked(b, u"b1", &log);
        new Tracked(&owner, u"c", &log);
        ASSERT_EQ(owner.ComponentCount(), 3);
        EXPECT_EQ(owner.Components(0)->Name(), u"a");
        EXPECT_EQ(owner.Components(2)->Name(), u"c");
        EXPECT_EQ(owner.FindComponent(u"b"), b);
        EXPECT_EQ(owner.FindComponent(u"b1"), nullptr) << "only directly owned components";
        EXPECT_EQ(owner.FindComponent(u"B"), nullptr);
        EXPECT_EQ(owner.FindComponent(u""), nullptr);
    }
    EXPECT_EQ(log, (std::vector<std::u16string>{u"owner", u"c", u"b", u"b1", u"a"}));
}

TEST(Component, DeletingAnOwnedComponentRemovesItFromItsOwner)
{
    std::vector<std::u16string> log;
    TComponent owner(nullptr);
    auto* a = new Tracked(&owner, u"a", &log);
    new Tracked(&owner, u"b", &log);
    delete a;
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0)->Name(), u"b");
    EXPECT_EQ(owner.FindComponent(u"a"), nullptr);
}

TEST(Component, TagAndOwner)
{
    TComponent owner(nullptr);
    auto* c = new TComponent(&owner);
    EXPECT_EQ(c->Tag(), 0);
    c->SetTag(12345);
    EXPECT_EQ(c->Tag(), 12345);
    EXPECT_EQ(c->Owner(), &owner);
    EXPECT_EQ(owner.Owner(), nullptr);
}

TEST(Strings, TextJoinsWithCrLfAndReportsChanges)
{
    TStrings s;
    int changes = 0;
    s.OnChange = [&] { ++changes; };
    EXPECT_EQ(s.Text(), u"");
    s.Add(u"one");
    EXPECT_EQ(s.Text(), u"one");
    s.Add(u"");
    s.Add(u"three");
    EXPECT_EQ(s.Text(), u"one\r\n\r\nthree");
    EXPECT_EQ(s.Count(), 3);
    EXPECT_EQ(s.IndexOf(u"three"), 2);
    EXPECT_EQ(s.IndexOf(u"Three"), -1);
    s.Clear();
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(changes, 4);
}

} // namespace
} // namespace kv::ui
