#include "kit/db/book_editor.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kLastBook = int16_t(std::tuple_size_v<decltype(BookTable)> - 1);
constexpr int16_t kLastPage = 7, kLinesPerPage = 11;
constexpr int16_t kFirstBookItem = 148;  // book b is read through this item + b
constexpr uint8_t kBook = 0, kPage = 1;  // the form's bases
constexpr size_t kLineSize = sizeof(BookRecord::Line[0][0]);

constexpr auto kFields = JoinFields(
    TextField(offsetof(BookRecord, Title), sizeof(BookRecord::Title), 20, {170, 65, 160}),
    FieldColumn<kLinesPerPage>(TextField(0, kLineSize, 39, {50, 110, 260, 13}).From(kPage), 20, kLineSize));
static_assert(ValidForm(kFields));

// The page buttons answer to P and N; the book buttons to clicks only.
constexpr Stepper kSteppers[] = {{"Prev Page", 80, 340, 3, 'P', 0, Counter::kPage, -1},
                                 {"Next Page", 150, 340, 3, 'N', 0, Counter::kPage, 1},
                                 {"Prev Book", 80, 410, 3, 0, 0, Counter::kRecord, -1},
                                 {"Next Book", 150, 410, 3, 0, 0, Counter::kRecord, 1}};

const FormClose kClose{.save = {"Save", 300, 410, 3, 'S', 0},
                       .cancel = {"Cancel", 370, 410, 3, 27, 'C'},
                       .saver = SaveBookFile,
                       .loader = LoadBookFile,
                       .fileName = "Book.dat",
                       .savedText = "    Book File Saved!"};

void Bind(FormState& s) {
    BookRecord& book = BookTable[size_t(s.record)];
    s.bases[kBook] = reinterpret_cast<std::byte*>(&book);
    s.bases[kPage] = reinterpret_cast<std::byte*>(&book.Line[s.page][0][0]);
}

}  // namespace

void DrawBookEditor(int16_t book, int16_t page, int16_t flip) {
    FormState state;
    state.record = std::clamp<int16_t>(book, 0, kLastBook);
    state.page = std::clamp<int16_t>(page, 0, kLastPage);
    Bind(state);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 22, 1, "Book Editor");
    DrawSmallText(60, 70, "Book number:", kSmallBlue);
    DrawSmallText(140, 70, NumberText(state.record), kSmallBlue);
    DrawSmallText(340, 70, "Item No:", kSmallBlue);
    DrawSmallText(400, 70, NumberText(kFirstBookItem + state.record), kSmallBlue);
    DrawSmallText(60, 95, "Page: " + std::to_string(state.page + 1) + " of 8", kSmallBlue);
    DrawFormFields(kFields, state);
    DrawSteppers(kSteppers);
    DrawDivider(25, 388, 23);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunBookEditor() {
    const RecordForm form{.screen = "book editor",
                          .fields = kFields,
                          .steppers = kSteppers,
                          .close = kClose,
                          .lastRecord = kLastBook,
                          .lastPage = kLastPage};
    FormState state;
    RunRecordForm(form, state, Bind,
                  [](const FormState& s, uint32_t flip) { DrawBookEditor(s.record, s.page, int16_t(flip)); });
}
