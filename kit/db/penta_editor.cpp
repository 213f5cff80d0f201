#include "kit/db/penta_editor.h"

#include <cstddef>

#include "data/campaign_tables.h"
#include "data/data_files.h"
#include "kit/db/database_editors.h"
#include "kit/db/record_form.h"
#include "platform/display.h"
#include "platform/fonts.h"
#include "platform/source_rects.h"
#include "platform/widgets.h"

namespace {

constexpr int16_t kPortals = int16_t(std::tuple_size_v<decltype(PentaTable)>);
constexpr int16_t kRowPitch = 25;

// Destinations take 0..999 and are stored as typed: the game checks them before it teleports.
constexpr FormField Destination(size_t word, int16_t x) {
    return NumberField(offsetof(PentaPortal, PentaDestination) + 2 * word, 0, 999, {x, 100, 40});
}
constexpr auto kFields = JoinFields(
    FieldColumn<kPortals>(TextField(offsetof(PentaPortal, PentaName), sizeof(PentaPortal::PentaName), 15,
                                    {110, 100, 120},
                                    {70, 105, "Name                        Map=           X=          Y="}),
                          kRowPitch, sizeof(PentaPortal)),
    FieldColumn<kPortals>(Destination(0, 270), kRowPitch, sizeof(PentaPortal)),
    FieldColumn<kPortals>(Destination(1, 350), kRowPitch, sizeof(PentaPortal)),
    FieldColumn<kPortals>(Destination(2, 420), kRowPitch, sizeof(PentaPortal)));
static_assert(ValidForm(kFields));

const FormClose kClose{.save = {"Save", 300, 410, 3, 'S', 0},
                       .cancel = {"Cancel", 370, 410, 3, 'C', 27},
                       .saver = SavePentaFile,
                       .loader = LoadPentaFile,
                       .fileName = "Penta.dat",
                       .savedText = "  Penta File Saved!"};

void Bind(FormState& s) { s.bases[0] = reinterpret_cast<std::byte*>(PentaTable.data()); }

}  // namespace

void DrawPentaEditor(int16_t flip) {
    FormState state;
    Bind(state);
    BltFast(BackSurface, 0, 0, SlatePicture, FullScreenRect, kBltOpaque);
    DrawPanel(15, 12, 24, 22, 1, "Penta Portal Editor");
    for (int16_t i = 0; i < kPortals; ++i) DrawSmallText(50, int16_t(105 + kRowPitch * i), NumberText(i + 1), kSmallBlack);
    DrawFormFields(kFields, state);
    DrawDivider(25, 388, 23);
    DrawFormClose(kClose);
    if (flip) Flip();
}

void RunPentaEditor() {
    const RecordForm form{.screen = "penta editor", .fields = kFields, .steppers = {}, .close = kClose};
    FormState state;
    RunRecordForm(form, state, Bind, [](const FormState&, uint32_t flip) { DrawPentaEditor(int16_t(flip)); });
}
