// The program's own English message-box and run-time texts (printf forms where they
// take values), so every caller uses the same words.
#pragma once

#include <string_view>

#include "platform/message_format.h"

namespace vyr::res::text {

inline constexpr std::string_view kDeleteObject = "Delete object, are you sure?";
inline constexpr std::string_view kScaleOutOfRange =
    "Scaling by %i%% would move an object past the largest coordinate; enter a smaller percentage.";
inline constexpr std::string_view kRemovePlane = "Remove %s plane, are you sure?";
inline constexpr std::string_view kChangeTileDimensions = "Change tile dimensions, are you sure?";
inline constexpr std::string_view kChangePlaneDimensions = "Change plane dimensions, are you sure?";
inline constexpr std::string_view kNoRezFile =
    "Unable to locate rez file: %s\n\nWould you like to specify a new location?";
inline constexpr std::string_view kNoPaletteRez =
    "Unable to find palette rez: %s\n\nWould you like to specify a new location?";
inline constexpr std::string_view kNoImageRezDir =
    "Unable to find image rez dir: %s\n\nWould you like to specify a new location?";
// What the document says about a world's resources (each %s in turn: a name, the rez file).
inline constexpr std::string_view kRezNotOpened = "The rez file %s could not be opened.";
inline constexpr std::string_view kPaletteNotInRez = "The palette %s is not in the rez file %s.";
inline constexpr std::string_view kImageDirNotInRez = "The image directory %s is not in the rez file %s.";
inline constexpr std::string_view kImageDirHoldsNoImages = "The image directory %s of the rez file %s holds no images.";
inline constexpr std::string_view kRezDamaged = "The rez file %s is damaged; these parts could not be read:";
inline constexpr std::string_view kOpenAgainToRelocate =
    "Open the world again and answer Yes to give a new location in \"Informacje Świata\".";
inline constexpr std::string_view kEnterPalette = "Enter a palette item of the rez file, or NONE for the standard colours.";
inline constexpr std::string_view kEnterImageDir = "Enter a directory of the rez file that holds images.";
inline constexpr std::string_view kKeepMissingResource =
    "A world that names it cannot be opened until the rez file holds it. Keep it anyway?";
inline constexpr std::string_view kRefreshFailed = "Nie można odświeżyć pliku 'Rez' %s z folderu %s:";
inline constexpr std::string_view kRefreshWhatToDo =
    "Umieść luźne pliki w tym folderze, sprawdź, czy plik 'Rez' można zapisać, i spróbuj ponownie.";
inline constexpr std::string_view kReopenAfterRefresh =
    "Po odświeżeniu nie można ponownie otworzyć pliku 'Rez' %s: %s\n\nOtwórz świat ponownie, zanim dodasz ImageSety.";
inline constexpr std::string_view kTileSizeWarning = "WARNING!  Tile %i is %ix%i";
inline constexpr std::string_view kAllTilesValid = "Level contains all valid tiles!";
inline constexpr std::string_view kInvalidTiles = "Level contains invalid tiles!";
inline constexpr std::string_view kBadImageSetLine = "Plane %s: Bad map image set value (%i) at %i,%i\n";
inline constexpr std::string_view kBadTileLine = "Plane %s: Bad map tile value (%i) at %i,%i\n";
inline constexpr std::string_view kInOutAttribSame = "In Attrib must be different from Out Attrib!";
inline constexpr std::string_view kDeleteAllObjects = "Delete all objects, are you sure?";
inline constexpr std::string_view kDeleteInvalidObjects = "Delete all invalid objects, are you sure?";
// Objects only the object plane's flag keeps in the file: asked before the flag leaves a
// plane that holds some (the plane's name, the count), and before a save that would drop them.
inline constexpr CountedText kObjectsFlagLost = {
    "Warstwa \"%s\" straci atrybut \"Objekty\", a jej %i objekt nie będzie już zapisywany.\n\n"
    "Zabrać warstwie \"Objekty\"?",
    "Warstwa \"%s\" straci atrybut \"Objekty\", a jej %i objekty nie będą już zapisywane.\n\n"
    "Zabrać warstwie \"Objekty\"?",
    "Warstwa \"%s\" straci atrybut \"Objekty\", a jej %i objektów nie będzie już zapisywanych.\n\n"
    "Zabrać warstwie \"Objekty\"?"};
inline constexpr CountedText kSaveWithoutObjects = {
    "%i objekt leży na warstwie bez atrybutu \"Objekty\" i nie zostałby zapisany. Aby go zachować, wybierz Nie "
    "i nadaj warstwie \"Objekty\" w \"Informacje Warstwy\" (albo cofnij tę zmianę).\n\nZapisać świat bez niego?",
    "%i objekty leżą na warstwach bez atrybutu \"Objekty\" i nie zostałyby zapisane. Aby je zachować, wybierz Nie "
    "i nadaj warstwie \"Objekty\" w \"Informacje Warstwy\" (albo cofnij tę zmianę).\n\nZapisać świat bez nich?",
    "%i objektów leży na warstwach bez atrybutu \"Objekty\" i nie zostałoby zapisanych. Aby je zachować, "
    "wybierz Nie i nadaj warstwie \"Objekty\" w \"Informacje Warstwy\" (albo cofnij tę zmianę).\n\n"
    "Zapisać świat bez nich?"};
// The status after the object replacement and scale dialogs.
inline constexpr CountedText kObjectsChanged = {"Zmieniono %i objekt", "Zmieniono %i objekty",
                                               "Zmieniono %i objektów"};
inline constexpr std::string_view kNoObjectChanged = "Nie zmieniono żadnego objektu";
inline constexpr std::string_view kMapshotNoFileName = "Please specify a filename for the bitmap.";
inline constexpr std::string_view kCannotCreateDib = "ERROR - Unable to create dib!";
inline constexpr std::string_view kMapshotNoPlane = "There is no plane to take a snapshot of. Open a world first.";
inline constexpr std::string_view kMapshotNoPalette = "The world has no palette to write the snapshot with. Open the world again.";
inline constexpr std::string_view kMapshotNotWritten = "The snapshot could not be written:";
inline constexpr std::string_view kMapshotChooseAnother = "Choose another name or folder and try again.";
inline constexpr std::string_view kMapshotReplace = "%s already exists.\n\nReplace it with the snapshot?";
inline constexpr std::string_view kMapshotIsTheWorld =
    "%s is the open world file; the snapshot would destroy it. Give the bitmap another name.";

// Texts the project added; Polish like the interface, translated by the English catalogue.
inline constexpr std::string_view kMovePlaneRange = "Podaj pozycję od 0 do %i.";
inline constexpr std::string_view kScaleNoPercent = "Wpisz procent: liczbę większą od 0, inną niż 100.";
// What an action changed, in the status bar: one, few, many (a CountedText each), nothing.
inline constexpr CountedText kRepaired = {"Naprawiono %i klocek", "Naprawiono %i klocki",
                                                  "Naprawiono %i klocków"};
inline constexpr std::string_view kRepairedNone = "Żaden klocek nie wymagał naprawy";
inline constexpr CountedText kReplaced = {"Zamieniono %i klocek", "Zamieniono %i klocki",
                                                  "Zamieniono %i klocków"};
inline constexpr std::string_view kReplacedNone = "Żaden klocek nie pasował do szukanego";
inline constexpr CountedText kCopied = {"Skopiowano %i klocek", "Skopiowano %i klocki", "Skopiowano %i klocków"};
inline constexpr std::string_view kCopiedNone = "Nic nie skopiowano: blok leży poza planem";
inline constexpr std::string_view kMapshotSaved = "Zapisano %s (%i × %i)";
inline constexpr CountedText kRefreshed = {"Odświeżono plik 'Rez' %s: zapisano %i plik",
                                                   "Odświeżono plik 'Rez' %s: zapisano %i pliki",
                                                   "Odświeżono plik 'Rez' %s: zapisano %i plików"};
inline constexpr std::string_view kRefreshedNone = "Plik 'Rez' %s jest aktualny";
inline constexpr std::string_view kRefreshing = "Odświeżanie pliku 'Rez' %s z folderu %s";

// Recovery copies, backups and long work.
inline constexpr std::string_view kRecoverQuestion = "Odzyskać niezapisane zmiany z %s?";
inline constexpr std::string_view kRecoverTitle = "Odzyskaj";
inline constexpr std::string_view kRecoveryUnreadable =
    "Nie można odczytać kopii niezapisanych zmian: %s\n\nOtwieram świat zapisany w pliku.";
inline constexpr std::string_view kPreviousVersionsTitle = "Poprzednie Wersje";
inline constexpr std::string_view kNoRecoveryCopies = "Nie ma niezapisanych zmian do odzyskania";
inline constexpr std::string_view kNoPreviousVersions = "Ten świat nie ma poprzednich wersji";
inline constexpr std::string_view kCopyEntry = "%s  (%s, %s)";
inline constexpr std::string_view kSnapshotting = "Zapisywanie mapshota %s";
inline constexpr std::string_view kSnapshotCancelled = "Przerwano: mapshot nie został zapisany";

// Run-time menu texts of the shortcut commands.
inline constexpr std::string_view kSetZValueMenu = "Set Z Value %i\tCtrl+%i";
inline constexpr std::string_view kAddLogicMenu = "Add: %s\tAlt+%i";
inline constexpr std::string_view kAddLogicDisabled = "Add Logic";

// Other run-time texts.
inline constexpr std::string_view kEditObjectCaption = "Edit Object";
inline constexpr std::string_view kEditObjectsCaption = "Edit Objects (%i Total)";
inline constexpr std::string_view kFillCurrent = "Current (Set = %i, Image = %i)";
inline constexpr std::string_view kOpenMaskFileTitle = "Open Mask File";

// Status pane texts; the message pane shows the idle text while no prompt is shown.
inline constexpr std::string_view kIdleMessage = "Gotowy";
inline constexpr std::string_view kPaneMouse = "Mouse = %i, %i";
inline constexpr std::string_view kPaneTile = "Tile = %i, %i";
inline constexpr std::string_view kPaneSet = "Set = %i";
inline constexpr std::string_view kPaneSetEmpty = "Set = ";
inline constexpr std::string_view kPaneSetInvisible = "Set = (Invis)";
inline constexpr std::string_view kPaneSetFill = "Set = (Fill)";
inline constexpr std::string_view kPaneImage = "Image = %i";
inline constexpr std::string_view kPaneImageEmpty = "Image = ";
inline constexpr std::string_view kPaneImageInvisible = "Image = (Invis)";
inline constexpr std::string_view kPaneImageFill = "Image = (Fill)";
inline constexpr std::string_view kPaneObjectPosition = "%i, %i, %i";

// About box (dialog template 100).
inline constexpr std::string_view kAboutCaption = "O VyrWorldzie";
inline constexpr std::string_view kAboutProduct = "VyrWorld Edytor";

// Starting the game for a test run: the question before a game path first runs, one line
// per argument in its middle, and the failure (the program, then the system's reason).
inline constexpr std::string_view kGameApproval =
    "Ścieżka gry tego świata uruchamia ten program. Uruchom go tylko wtedy, gdy ufasz źródłu "
    "świata.\n\nProgram: %s\n%sFolder roboczy: %s\n\nUruchomić grę?";
inline constexpr std::string_view kGameArgument = "Argument %i: %s\n";
// Asked before a test run while the world has unsaved changes (Yes, No, Cancel).
inline constexpr std::string_view kSaveBeforeTest = "Zapisać zmiany przed testem?";
// After a save to a folder where the world's stored archive path leads nowhere (the archive's name).
inline constexpr std::string_view kArchiveRemembered =
    "Archiwum %s nie leży obok nowego pliku; edytor zapamiętał jego położenie";
// Before "Informacje Świata" shows header strings that fill their whole field (the field labels).
inline constexpr std::string_view kUnterminatedFields =
    "Te pola zajmują w pliku całą swoją szerokość, bez kończącego zera: %s.\n\nEdytor pokazuje je w "
    "całości i zostawia bez zmian, dopóki ich nie zmienisz; zapis świata utnie każde o ostatni znak, "
    "by zmieścić zero.";
inline constexpr std::string_view kGameStartFailed =
    "Unable to start the game: %s\n\n%s\n\nCorrect the \"Gra:\" field of \"Informacje Świata\".";

// The mouse tools of tile mode: the selection's size, the clipboard, a stamp whose image
// sets the plane lacks (their names), the brush under the mouse.
inline constexpr std::string_view kSelectionSize = "Zaznaczenie: %i x %i";
inline constexpr std::string_view kCopiedCells = "Skopiowano %i x %i klocków";
inline constexpr std::string_view kStampReady = "Stempel %i x %i: prawy przycisk stawia, Esc kończy";
inline constexpr std::string_view kStampSetsMissing = "Ta warstwa nie ma zestawów obrazów: %s";
inline constexpr std::string_view kBrushTile = "Pędzel: zestaw %i, obraz %i";
inline constexpr std::string_view kObjectsSelected = "Zaznaczone objekty: %i";

}  // namespace vyr::res::text
