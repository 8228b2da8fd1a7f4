#include "ui/SerbianQtTexts.h"

#include <QCoreApplication>
#include <cstring>

#include "ui/Dialogs.h"

namespace zarion::ui {
namespace {

struct QtText {
    const char* context;
    const char* source;
    const char* serbian; // YUSCII notation
};

// Every text that the standard dialogs show, by the context Qt asks for it in.
constexpr QtText Texts[] = {
    {"QPlatformTheme", "OK", "U redu"},
    {"QPlatformTheme", "Save", "Sa~uvaj"},
    {"QPlatformTheme", "Save All", "Sa~uvaj sve"},
    {"QPlatformTheme", "Open", "Otvori"},
    {"QPlatformTheme", "&Yes", "&Da"},
    {"QPlatformTheme", "Yes to &All", "Da za &sve"},
    {"QPlatformTheme", "&No", "&Ne"},
    {"QPlatformTheme", "N&o to All", "N&e za sve"},
    {"QPlatformTheme", "Abort", "Prekini"},
    {"QPlatformTheme", "Retry", "Poku{aj ponovo"},
    {"QPlatformTheme", "Ignore", "Zanemari"},
    {"QPlatformTheme", "Close", "Zatvori"},
    {"QPlatformTheme", "Cancel", "Otka`i"},
    {"QPlatformTheme", "Discard", "Odbaci"},
    {"QPlatformTheme", "Help", "Pomo}"},
    {"QPlatformTheme", "Apply", "Primeni"},
    {"QPlatformTheme", "Reset", "Vrati"},
    {"QPlatformTheme", "Restore Defaults", "Vrati podrazumevano"},

    {"QFileDialog", "&Open", "&Otvori"},
    {"QFileDialog", "&Save", "&Sa~uvaj"},
    {"QFileDialog", "Open", "Otvori"},
    {"QFileDialog", "Save As", "Sa~uvaj kao"},
    {"QFileDialog", "&Delete", "O&bri{i"},
    {"QFileDialog", "&New Folder", "&Nova fascikla"},
    {"QFileDialog", "&Rename", "&Preimenuj"},
    {"QFileDialog", "All Files (*)", "Sve datoteke (*)"},
    {"QFileDialog", "Back", "Nazad"},
    {"QFileDialog", "Forward", "Napred"},
    {"QFileDialog", "Go back", "Nazad"},
    {"QFileDialog", "Go forward", "Napred"},
    {"QFileDialog", "Parent Directory", "Nadre|ena fascikla"},
    {"QFileDialog", "Go to the parent directory", "Idi u nadre|enu fasciklu"},
    {"QFileDialog", "Create New Folder", "Napravi novu fasciklu"},
    {"QFileDialog", "Create a New Folder", "Napravi novu fasciklu"},
    {"QFileDialog", "List View", "Spisak"},
    {"QFileDialog", "Detail View", "Detalji"},
    {"QFileDialog", "Change to list view mode", "Prika`i kao spisak"},
    {"QFileDialog", "Change to detail view mode", "Prika`i sa detaljima"},
    {"QFileDialog", "File &name:", "&Naziv datoteke:"},
    {"QFileDialog", "Files of type:", "Vrsta datoteka:"},
    {"QFileDialog", "Files", "Datoteke"},
    {"QFileDialog", "Look in:", "Fascikla:"},
    {"QFileDialog", "Show &hidden files", "Prika`i &skrivene datoteke"},
    {"QFileDialog", "Sidebar", "Bo~na traka"},
    {"QFileDialog", "List of places and bookmarks", "Mesta i obele`iva~i"},
    {"QFileDialog", "Recent Places", "Skora{nja mesta"},
    {"QFileDialog", "New Folder", "Nova fascikla"},
    {"QFileDialog", "Directories", "Fascikle"},
    {"QFileDialog", "Directory:", "Fascikla:"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
     "%1 ve} postoji.\nDa li `elite da je zamenite?"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
     "%1\nDatoteka nije prona|ena.\nProverite naziv datoteke."},
    {"QFileDialog", "Are you sure you want to delete '%1'?",
     "Da li ste sigurni da `elite da obri{ete '%1'?"},
    {"QFileSystemModel", "Name", "Naziv"},
    {"QFileSystemModel", "Size", "Veli~ina"},
    {"QFileSystemModel", "Type", "Vrsta"},
    {"QFileSystemModel", "Date Modified", "Izmenjeno"},
    {"QFileSystemModel", "Computer", "Ra~unar"},
    {"QAbstractFileIconProvider", "Drive", "Disk"},
    {"QAbstractFileIconProvider", "Folder", "Fascikla"},
    {"QAbstractFileIconProvider", "File", "Datoteka"},

    {"QPrintDialog", "Print", "[tampa"},
    {"QPrintDialog", "&Print", "&[tampaj"},
    {"QPrintDialog", "&Options >>", "&Opcije >>"},
    {"QPrintDialog", "&Options <<", "&Opcije <<"},
    {"QPrintDialog", "All Pages", "Sve strane"},
    {"QPrintDialog", "Odd Pages", "Neparne strane"},
    {"QPrintDialog", "Even Pages", "Parne strane"},
    {"QPrintDialog", "Local file", "Datoteka na ovom ra~unaru"},
    {"QPrintDialog", "Print to File (PDF)", "[tampa u datoteku (PDF)"},
    {"QPrintDialog", "Write PDF file", "Upis PDF datoteke"},
    {"QPrintWidget", "Printer", "[tampa~"},
    {"QPrintWidget", "&Name:", "&Naziv:"},
    {"QPrintWidget", "P&roperties", "&Svojstva"},
    {"QPrintWidget", "Location:", "Lokacija:"},
    {"QPrintWidget", "Preview", "Pregled"},
    {"QPrintWidget", "Type:", "Vrsta:"},
    {"QPrintWidget", "Output &file:", "&Izlazna datoteka:"},
    {"QPrintSettingsOutput", "Copies", "Primerci"},
    {"QPrintSettingsOutput", "Copies:", "Broj primeraka:"},
    {"QPrintSettingsOutput", "Collate", "Slo`i po primercima"},
    {"QPrintSettingsOutput", "Reverse", "Obrnutim redom"},
    {"QPrintSettingsOutput", "Options", "Opcije"},
    {"QPrintSettingsOutput", "Color Mode", "Boja"},
    {"QPrintSettingsOutput", "Color", "U boji"},
    {"QPrintSettingsOutput", "Grayscale", "Crno-belo"},
    {"QPrintSettingsOutput", "Double Sided Printing", "Obostrana {tampa"},
    {"QPrintSettingsOutput", "Off", "Isklju~ena"},
    {"QPrintSettingsOutput", "Long side binding", "Povez po du`oj ivici"},
    {"QPrintSettingsOutput", "Short side binding", "Povez po kra}oj ivici"},
    {"QPrintSettingsOutput", "Print range", "Opseg {tampe"},
    {"QPrintSettingsOutput", "Print all", "Sve"},
    {"QPrintSettingsOutput", "Pages from", "Strane od"},
    {"QPrintSettingsOutput", "to", "do"},
    {"QPrintSettingsOutput", "Pages", "Strane"},
    {"QPrintSettingsOutput", "Current Page", "Teku}a strana"},
    {"QPrintSettingsOutput", "Selection", "Izbor"},
    {"QPrintSettingsOutput", "Page Set:", "Strane:"},
    {"QPrintSettingsOutput", "Output Settings", "Pode{avanja {tampe"},
    {"QPrintSettingsOutput",
     "Specify pages or ranges separated by commas. Ranges are specified by two numbers "
     "separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
     "Strane ili opsezi odvojeni zarezima; opseg je dva broja sa crticom izme|u. Na primer "
     "3,5-7,9 {tampa strane 3, 5, 6, 7 i 9."},
    {"QPrintPreviewDialog", "Print Preview", "Pregled pre {tampe"},
    {"QPrintPreviewDialog", "Print", "[tampaj"},
    {"QPrintPreviewDialog", "Page setup", "Pode{avanje strane"},
    {"QPrintPreviewDialog", "Next page", "Slede}a strana"},
    {"QPrintPreviewDialog", "Previous page", "Prethodna strana"},
    {"QPrintPreviewDialog", "First page", "Prva strana"},
    {"QPrintPreviewDialog", "Last page", "Poslednja strana"},
    {"QPrintPreviewDialog", "Fit width", "Po {irini"},
    {"QPrintPreviewDialog", "Fit page", "Cela strana"},
    {"QPrintPreviewDialog", "Zoom in", "Uve}aj"},
    {"QPrintPreviewDialog", "Zoom out", "Umanji"},
    {"QPrintPreviewDialog", "Portrait", "Uspravno"},
    {"QPrintPreviewDialog", "Landscape", "Polo`eno"},
    {"QPrintPreviewDialog", "Show single page", "Jedna strana"},
    {"QPrintPreviewDialog", "Show facing pages", "Dve strane"},
    {"QPrintPreviewDialog", "Show overview of all pages", "Sve strane"},
    {"QPrintPreviewDialog", "Export to PDF", "Izvoz u PDF"},

    {"QWidgetTextControl", "&Undo", "&Poni{ti"},
    {"QWidgetTextControl", "&Redo", "&Ponovi"},
    {"QWidgetTextControl", "Cu&t", "Ise&ci"},
    {"QWidgetTextControl", "&Copy", "&Kopiraj"},
    {"QWidgetTextControl", "&Paste", "&Nalepi"},
    {"QWidgetTextControl", "Delete", "Obri{i"},
    {"QWidgetTextControl", "Select All", "Izaberi sve"},
    {"QLineEdit", "&Undo", "&Poni{ti"},
    {"QLineEdit", "&Redo", "&Ponovi"},
    {"QLineEdit", "Cu&t", "Ise&ci"},
    {"QLineEdit", "&Copy", "&Kopiraj"},
    {"QLineEdit", "&Paste", "&Nalepi"},
    {"QLineEdit", "Delete", "Obri{i"},
    {"QLineEdit", "Select All", "Izaberi sve"},
    {"QAbstractSpinBox", "&Select All", "&Izaberi sve"},
    {"QAbstractSpinBox", "&Step up", "&Pove}aj"},
    {"QAbstractSpinBox", "Step &down", "&Smanji"},
};

} // namespace

QString SerbianQtTexts::translate(const char* context, const char* sourceText, const char*,
                                  int) const {
    if (!context || !sourceText)
        return {};
    for (const QtText& text : Texts)
        if (std::strcmp(text.context, context) == 0 && std::strcmp(text.source, sourceText) == 0)
            return operator""_q(text.serbian, std::strlen(text.serbian));
    return {};
}

void installSerbianQtTexts() {
    static SerbianQtTexts texts;
    QCoreApplication::installTranslator(&texts);
}

} // namespace zarion::ui
