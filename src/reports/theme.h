#pragma once

#include "reports/search.h"
#include "ui/screenbase.h"

#include <array>

class QLabel;

namespace tirelou::ui {
class Grid;
class InputField;
class YearQuestion;
} // namespace tirelou::ui

namespace tirelou::reports {

// What the two search screens share: four buttons choose what to search by, one field takes
// the text, Enter lists what was found on the grid with its total.
class SearchScreen : public ui::ScreenBase {
    Q_OBJECT
public:
    struct Texts {
        ui::Caption account;
        std::array<ui::Caption, 6> buttons;
        std::array<ui::Caption, 4> examples;
    };

protected:
    SearchScreen(const ui::ScreenEnv& env, const Texts& texts);

    // Back to the four choices.
    virtual void setUp();
    // The entries found for the request, as grid rows.
    virtual void search(const SearchRequest& request) = 0;
    virtual void leave() = 0;
    // Writes the request to "Lire.xfr" and reads it back.
    virtual SearchRequest handOver(const QString& typed, SearchKind kind) = 0;
    void showKindButtons(bool shown);
    void showReport(const Report& report);
    ui::Grid* grid() const { return grid_; }
    QLabel* account() const { return account_; }
    QVBoxLayout* extra() const { return extra_; }

private:
    void onToolbar(int index);
    void askFor(SearchKind kind);
    void onEntered();

    const Texts& texts_;
    QLabel* title_;
    QLabel* heading_;
    QLabel* account_;
    QLabel* prompt_;
    QLabel* example_;
    ui::InputField* text1_;
    ui::Grid* grid_;
    QVBoxLayout* extra_;
    SearchKind kind_ = SearchKind::Label;
};

// The search over the month in hand or the month consulted.
class Theme final : public SearchScreen {
    Q_OBJECT
public:
    explicit Theme(const ui::ScreenEnv& env);
    void load() override;

private:
    void search(const SearchRequest& request) override;
    void leave() override;
    SearchRequest handOver(const QString& typed, SearchKind kind) override;
};

// The search over the twelve months of the current year or of an archived year.
class MoisThem final : public SearchScreen {
    Q_OBJECT
public:
    explicit MoisThem(const ui::ScreenEnv& env);
    void load() override;

private:
    void setUp() override;
    void search(const SearchRequest& request) override;
    void leave() override;
    SearchRequest handOver(const QString& typed, SearchKind kind) override;
    void onSource(bool archive, const QString& year);

    QLabel* source_prompt_;
    ui::InputField* text2_; // E or A
    ui::InputField* text3_; // the archive year
    ui::YearQuestion* question_;
    YearSource source_;
};

} // namespace tirelou::reports
