// Saving on exit: the window-unload handler writes the pet as the window
// shows it, unchecked and unclamped.
#include "core/pet_file_name.h"
#include "pet_file.h"
#include "saved_on.h"
#include "window/frm_form.h"

void frmForm::Form_Unload() {
    saveOfShownPet()();
}

// The pet is read off the window now; the date is the day the save runs, as
// closing the window would write it then.
std::function<void()> frmForm::saveOfShownPet() const {
    const PetRecord shown{windowTitle(), lblaD->text(), QString(),     lblSH->text(),
                          lblSD->text(), lblSI->text(), lblSS->text(), lblSHe->text()};
    return [shown, path = picturePath(kPetFileName), &runtime = runtime_] {
        PetRecord pet = shown;
        pet.SavedOn = savedOnText(runtime.today());
        writePetFile(path, pet);
    };
}
