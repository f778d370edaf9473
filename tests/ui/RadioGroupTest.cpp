// The radio group rule: one checked button per parent, handlers only when a button becomes checked.
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

namespace {

class RadioGroup : public ::testing::Test
{
protected:
    RadioGroup()
    {
        for (int i = 0; i < 3; ++i) {
            Buttons[i] = new TRadioButton(&Form);
            Buttons[i]->SetParent(&Form);
            Buttons[i]->SetOnClick([this, i](TObject *sender) {
                ++Clicks[i];
                Senders[i] = sender;
            });
        }
        Other = new TRadioButton(&Form);
        Other->SetParent(&OtherParent);
    }

    TForm Form {nullptr};
    TForm OtherParent {nullptr};
    TRadioButton *Buttons[3] {};
    TRadioButton *Other = nullptr;
    int Clicks[3] {};
    TObject *Senders[3] {};
};

TEST_F(RadioGroup, CheckingUnchecksTheOthersThenRunsItsHandlerOnce)
{
    Buttons[0]->SetChecked(true);
    Buttons[1]->SetChecked(true);
    EXPECT_FALSE(Buttons[0]->Checked());
    EXPECT_TRUE(Buttons[1]->Checked());
    EXPECT_EQ(Clicks[0], 1);
    EXPECT_EQ(Clicks[1], 1);
    EXPECT_EQ(Senders[1], Buttons[1]);
}

TEST_F(RadioGroup, HandlerSeesTheOthersAlreadyUnchecked)
{
    Buttons[0]->SetChecked(true);
    bool othersUnchecked = false;
    Buttons[2]->SetOnClick([&](TObject *) {
        othersUnchecked = !Buttons[0]->Checked() && !Buttons[1]->Checked() && Buttons[2]->Checked();
    });
    Buttons[2]->SetChecked(true);
    EXPECT_TRUE(othersUnchecked);
}

TEST_F(RadioGroup, NoHandlerWhenTheStateDoesNotChangeOrOnUnchecking)
{
    Buttons[0]->SetChecked(true);
    Buttons[0]->SetChecked(true);
    Buttons[0]->SetChecked(false);
    Buttons[1]->SetChecked(false);
    EXPECT_EQ(Clicks[0], 1);
    EXPECT_EQ(Clicks[1], 0);
    EXPECT_FALSE(Buttons[0]->Checked());
}

TEST_F(RadioGroup, TabStopExactlyWhileChecked)
{
    EXPECT_FALSE(Buttons[0]->TabStop());
    Buttons[0]->SetChecked(true);
    EXPECT_TRUE(Buttons[0]->TabStop());
    Buttons[1]->SetChecked(true);
    EXPECT_FALSE(Buttons[0]->TabStop());
    EXPECT_TRUE(Buttons[1]->TabStop());
}

TEST_F(RadioGroup, DisabledButtonsAreCheckedAndUncheckedByTheProgram)
{
    Buttons[0]->SetEnabled(false);
    Buttons[0]->SetChecked(true);
    EXPECT_TRUE(Buttons[0]->Checked());
    EXPECT_EQ(Clicks[0], 1);
    Buttons[1]->SetChecked(true);
    EXPECT_FALSE(Buttons[0]->Checked());
}

TEST_F(RadioGroup, ButtonsOfAnotherParentAreNotTouched)
{
    Other->SetChecked(true);
    Buttons[0]->SetChecked(true);
    EXPECT_TRUE(Other->Checked());
}

TEST_F(RadioGroup, AnnouncesEveryVisibleChange)
{
    std::vector<std::pair<TControl *, TChange>> seen;
    for (TRadioButton *button : Buttons)
        button->SetObserver([&](TControl &c, TChange change) { seen.emplace_back(&c, change); });
    Buttons[0]->SetChecked(true);
    seen.clear();
    Buttons[1]->SetChecked(true);
    const std::vector<std::pair<TControl *, TChange>> expected = {
        {Buttons[1], TChange::TabStop},
        {Buttons[1], TChange::Checked},
        {Buttons[0], TChange::TabStop},
        {Buttons[0], TChange::Checked},
    };
    EXPECT_EQ(seen, expected);
    seen.clear();
    Buttons[1]->SetChecked(true);
    EXPECT_TRUE(seen.empty());
}

} // namespace
