// The other control objects: texts, the list's lines and its announcements, the dialog, ownership.
#include "ui/Dialogs.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

TEST(Controls, SetTextAnnouncesOnlyAChange)
{
    TForm form(nullptr);
    auto *edit = new TEdit(&form);
    int announced = 0;
    edit->SetObserver([&](TControl &, TChange change) { announced += change == TChange::Text; });
    edit->SetText("abc");
    edit->SetText("abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->Caption(), "abc");
    EXPECT_EQ(announced, 1);
}

TEST(Controls, NothingHappensWithoutAnObserver)
{
    TForm form(nullptr);
    auto *list = new TListBox(&form);
    list->Items()->Add("one");
    list->Items()->Clear();
    EXPECT_EQ(list->Items()->Count(), 0);
}

TEST(Strings, AddAppendsInOrderAndReturnsTheIndex)
{
    TForm form(nullptr);
    TStrings &items = *(new TListBox(&form))->Items();
    EXPECT_EQ(items.Add("first"), 0);
    EXPECT_EQ(items.Add(""), 1);
    EXPECT_EQ(items.Add("third line"), 2);
    ASSERT_EQ(items.Count(), 3);
    EXPECT_EQ(items[0], "first");
    EXPECT_EQ(items[1], "");
    EXPECT_EQ(items.Strings(2), "third line");
    items.Clear();
    EXPECT_EQ(items.Count(), 0);
    items.Add("again");
    EXPECT_EQ(items[0], "again");
}

TEST(Strings, AnnouncesEachLineOutsideAnUpdateAndOnceAfterIt)
{
    TForm form(nullptr);
    auto *list = new TListBox(&form);
    std::vector<TChange> seen;
    list->SetObserver([&](TControl &, TChange change) { seen.push_back(change); });

    list->Items()->Add("a");
    list->Items()->Clear();
    list->Items()->Clear(); // already empty: nothing to show
    EXPECT_EQ(seen, (std::vector {TChange::ItemAdded, TChange::Items}));

    seen.clear();
    list->Items()->BeginUpdate();
    list->Items()->Clear();
    list->Items()->Add("b");
    list->Items()->Add("c");
    EXPECT_TRUE(seen.empty());
    list->Items()->EndUpdate();
    EXPECT_EQ(seen, (std::vector {TChange::Items}));

    seen.clear();
    list->Items()->BeginUpdate();
    list->Items()->EndUpdate();
    EXPECT_TRUE(seen.empty());
}

TEST(OpenDialog, ConfirmSetsTheNameCancelKeepsIt)
{
    TOpenDialog dialog(nullptr);
    std::optional<std::string> answer = "/tmp/a.seq";
    dialog.SetChooser([&](TOpenDialog &) { return answer; });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/a.seq");
    answer.reset();
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "/tmp/a.seq");
}

TEST(OpenDialog, WithoutAChooserItCancels)
{
    TOpenDialog dialog(nullptr);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), "");
}

TEST(Components, OwnerDestroysWhatItOwnsAndFindsItByName)
{
    struct Probe : TComponent
    {
        Probe(TComponent *owner, int &destroyed)
            : TComponent(owner)
            , Destroyed(destroyed)
        { }
        ~Probe() override { ++Destroyed; }
        int &Destroyed;
    };
    int destroyed = 0;
    {
        TComponent owner(nullptr);
        auto *a = new Probe(&owner, destroyed);
        a->SetName("A");
        new Probe(&owner, destroyed);
        EXPECT_EQ(owner.ComponentCount(), 2);
        EXPECT_EQ(owner.FindComponent("A"), a);
        EXPECT_EQ(owner.FindComponent("B"), nullptr);
        delete a;
        EXPECT_EQ(owner.ComponentCount(), 1);
    }
    EXPECT_EQ(destroyed, 2);
}

} // namespace

namespace {

// Lines stay as they were added while the list grows past its blocks, and after Clear the list
// is filled again from the start.
TEST(Strings, ManyAndLongLinesKeepTheirText)
{
    TForm form(nullptr);
    TStrings &items = *(new TListBox(&form))->Items();
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        items.Clear();
        items.SetCapacity(10);
        std::vector<std::string> added;
        for (int i = 0; i < 5000; ++i) {
            added.push_back(
                std::string(std::size_t(i % 97), char('a' + i % 26)) + std::to_string(i));
            if (i == 2500)
                added.back() = std::string(200000, 'x'); // longer than a block
            items.Add(added.back());
        }
        ASSERT_EQ(items.Count(), 5000);
        for (int i = 0; i < 5000; ++i)
            ASSERT_EQ(items[i], added[std::size_t(i)]) << i;
    }
}

} // namespace
