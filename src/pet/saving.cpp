// Saving on exit: the window-unload handler writes the pet as the window
// shows it, unchecked and unclamped.
#include "core/pet_file_name.h"
#include "pet_file.h"
#include "saved_on.h"
#include "window/frm_form.h"

void frmForm::Form_Unload() {
    const PetRecord pet{windowTitle(), lblaD->text(), savedOnText(runtime_.today()),
                        lblSH->text(), lblSD->text(), lblSI->text(),
                        lblSS->text(), lblSHe->text()};
    writePetFile(picturePath(kPetFileName), pet);
}
