<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>VyrWorld</name>
    <message>
        <source>%i, %i, %i</source>
        <translation>%i, %i, %i</translation>
    </message>
    <message>
        <source>&amp;Automatyczny Kursor</source>
        <translation>&amp;Automatic Cursor</translation>
    </message>
    <message>
        <source>&amp;Dodatki</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Edytuj Logiki...</source>
        <translation>&amp;Edit Logics...</translation>
    </message>
    <message>
        <source>&amp;Idź do pozycji Warpa</source>
        <translation>Go to &amp;Warp Position</translation>
    </message>
    <message>
        <source>&amp;Idź do pozycji...</source>
        <translation>&amp;Go to Position...</translation>
    </message>
    <message>
        <source>&amp;Idź do startu</source>
        <translation>Go to &amp;Start</translation>
    </message>
    <message>
        <source>&amp;Informacje</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Informacje...</source>
        <translation>&amp;Information...</translation>
    </message>
    <message>
        <source>&amp;Klawisze i Polecenia</source>
        <translation>&amp;Keys and Commands</translation>
    </message>
    <message>
        <source>&amp;Klocki</source>
        <translation>&amp;Tiles</translation>
    </message>
    <message>
        <source>&amp;Kursor</source>
        <translation>&amp;Cursor</translation>
    </message>
    <message>
        <source>&amp;Logiki</source>
        <translation>&amp;Logics</translation>
    </message>
    <message>
        <source>&amp;Następny</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Nowy...</source>
        <translation>&amp;New...</translation>
    </message>
    <message>
        <source>&amp;O Programie...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>&amp;Objekty</source>
        <translation>&amp;Objects</translation>
    </message>
    <message>
        <source>&amp;Dopasuj</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>&amp;Mapa</source>
        <translation>&amp;Map</translation>
    </message>
    <message>
        <source>Mapa</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Pokazuje lub ukrywa mapę całej warstwy</source>
        <translation>Shows or hides the map of the whole plane</translation>
    </message>
    <message>
        <source>Pokazuje widok w rozmiarze rzeczywistym (100%)</source>
        <translation>Shows the view at its actual size (100%)</translation>
    </message>
    <message>
        <source>Rozmiar &amp;Rzeczywisty</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Rozmiar Rzeczywisty</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Dobiera powiększenie, przy którym cała warstwa mieści się w oknie</source>
        <translation>Picks the zoom at which the whole plane fits in the window</translation>
    </message>
    <message>
        <source>Dopasuj</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>&amp;Oddal</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Odśwież</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>&amp;Odśwież Plik &apos;Rez&apos;</source>
        <translation>&amp;Refresh &apos;Rez&apos; File</translation>
    </message>
    <message>
        <source>&amp;Opcje...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Otwórz...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>&amp;Plik</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Pomoc</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Poprzedni</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>&amp;Siatka Pomocnicza</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Usuń</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Warstwy</source>
        <translation>&amp;Planes</translation>
    </message>
    <message>
        <source>&amp;Warstwy...</source>
        <translation>&amp;Planes...</translation>
    </message>
    <message>
        <source>&amp;Widok</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Współrzędna Z</source>
        <translation>&amp;Z Coordinate</translation>
    </message>
    <message>
        <source>&amp;Wypełnij...</source>
        <translation>&amp;Fill...</translation>
    </message>
    <message>
        <source>&amp;Świat</source>
        <translation>&amp;World</translation>
    </message>
    <message>
        <source>&lt;&lt; Poprz</source>
        <translation>&lt;&lt; Prev</translation>
    </message>
    <message>
        <source>A world that names it cannot be opened until the rez file holds it. Keep it anyway?</source>
        <translation>A world that names it cannot be opened until the rez file holds it. Keep it anyway?</translation>
    </message>
    <message>
        <source>Add Logic</source>
        <translation>Add Logic</translation>
    </message>
    <message>
        <source>Add: %s	Alt+%i</source>
        <translation>Add: %s	Alt+%i</translation>
    </message>
    <message>
        <source>Aktywny</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>All Files (*.*)</translation>
    </message>
    <message>
        <source>Animacja:</source>
        <translation>Animation:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Artrybuty</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>Atak</source>
        <translation>Attack</translation>
    </message>
    <message>
        <source>Atrybuty</source>
        <translation>Attributes</translation>
    </message>
    <message>
        <source>Auto ImageSet</source>
        <translation>Auto ImageSet</translation>
    </message>
    <message>
        <source>Auto ImageSety</source>
        <translation>Auto ImageSets</translation>
    </message>
    <message>
        <source>Auto Ustawianie Z</source>
        <translation>Auto Z</translation>
    </message>
    <message>
        <source>Auto Uszkodzenia</source>
        <translation>Auto Damage</translation>
    </message>
    <message>
        <source>Auto Wielkość</source>
        <translation>Auto Size</translation>
    </message>
    <message>
        <source>Auto Z</source>
        <translation>Auto Z</translation>
    </message>
    <message>
        <source>Automatycznie ustawia obrazek</source>
        <translation>Sets the image set automatically</translation>
    </message>
    <message>
        <source>Automatycznie ustawia współrzędne Z</source>
        <translation>Sets the Z coordinates automatically</translation>
    </message>
    <message>
        <source>Autor:</source>
        <translation>Author:</translation>
    </message>
    <message>
        <source>Bez Obrazów</source>
        <translation>No Images</translation>
    </message>
    <message>
        <source>Bezpieczny</source>
        <translation>Safe</translation>
    </message>
    <message>
        <source>Block Copy</source>
        <translation>Block Copy</translation>
    </message>
    <message>
        <source>Całkowite</source>
        <translation>Whole</translation>
    </message>
    <message>
        <source>Change plane dimensions, are you sure?</source>
        <translation>Change plane dimensions, are you sure?</translation>
    </message>
    <message>
        <source>Change tile dimensions, are you sure?</source>
        <translation>Change tile dimensions, are you sure?</translation>
    </message>
    <message>
        <source>Cofnij</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Current (Set = %i, Image = %i)</source>
        <translation>Current (Set = %i, Image = %i)</translation>
    </message>
    <message>
        <source>Czas:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>D&amp;rukuj...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>Delete all invalid objects, are you sure?</source>
        <translation>Delete all invalid objects, are you sure?</translation>
    </message>
    <message>
        <source>Delete all objects, are you sure?</source>
        <translation>Delete all objects, are you sure?</translation>
    </message>
    <message>
        <source>Delete object, are you sure?</source>
        <translation>Delete object, are you sure?</translation>
    </message>
    <message>
        <source>Do Kolumny:</source>
        <translation>To Column:</translation>
    </message>
    <message>
        <source>Do Wiersza:</source>
        <translation>To Row:</translation>
    </message>
    <message>
        <source>Dod&amp;aj...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>Dodaj ImageSety...</source>
        <translation>Add ImageSets...</translation>
    </message>
    <message>
        <source>Dodaj Logikę</source>
        <translation>Add Logic</translation>
    </message>
    <message>
        <source>Dodaje objekt z tą logiką w miejsce kursora</source>
        <translation>Adds an object with this logic at the cursor</translation>
    </message>
    <message>
        <source>Dodane Flagi</source>
        <translation>Added Flags</translation>
    </message>
    <message>
        <source>Dodawanie Obrazów</source>
        <translation>Adding Images</translation>
    </message>
    <message>
        <source>Dolny Lewy Róg</source>
        <translation>Bottom Left Corner</translation>
    </message>
    <message>
        <source>Dolny Prawy Róg</source>
        <translation>Bottom Right Corner</translation>
    </message>
    <message>
        <source>Dostępne:</source>
        <translation>Available:</translation>
    </message>
    <message>
        <source>Duża Pamięć</source>
        <translation>High Memory</translation>
    </message>
    <message>
        <source>Dużo Detali</source>
        <translation>High Detail</translation>
    </message>
    <message>
        <source>Dynamiczne Flagi</source>
        <translation>Dynamic Flags</translation>
    </message>
    <message>
        <source>Dół:</source>
        <translation>Down:</translation>
    </message>
    <message>
        <source>Dł:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Długość:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>ERROR - Unable to create dib!</source>
        <translation>ERROR - Unable to create dib!</translation>
    </message>
    <message>
        <source>Edit Object</source>
        <translation>Edit Object</translation>
    </message>
    <message>
        <source>Edit Objects (%i Total)</source>
        <translation>Edit Objects (%i Total)</translation>
    </message>
    <message>
        <source>Edycja Domyślnych Logik</source>
        <translation>Edit Default Logics</translation>
    </message>
    <message>
        <source>Edycja Domyślnych Z</source>
        <translation>Edit Default Z Values</translation>
    </message>
    <message>
        <source>Edycja Objektu</source>
        <translation>Edit Object</translation>
    </message>
    <message>
        <source>Edytor VyrWorld</source>
        <translation>VyrWorld Editor</translation>
    </message>
    <message>
        <source>Edytuj</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Edytuj Wartości...</source>
        <translation>Edit Values...</translation>
    </message>
    <message>
        <source>Edytuj Z</source>
        <translation>Edit Z</translation>
    </message>
    <message>
        <source>Edytuj wcześniej ustawione ImageSety dla wybranych skrótów</source>
        <translation>Edits the image sets set earlier for the shortcuts</translation>
    </message>
    <message>
        <source>Edytuj wcześniej ustawione Z dla wybranych skrótów</source>
        <translation>Edits the Z values set earlier for the shortcuts</translation>
    </message>
    <message>
        <source>Enter a directory of the rez file that holds images.</source>
        <translation>Enter a directory of the rez file that holds images.</translation>
    </message>
    <message>
        <source>Enter a palette item of the rez file, or NONE for the standard colours.</source>
        <translation>Enter a palette item of the rez file, or NONE for the standard colours.</translation>
    </message>
    <message>
        <source>Flaga 1</source>
        <translation>Flag 1</translation>
    </message>
    <message>
        <source>Flaga 10</source>
        <translation>Flag 10</translation>
    </message>
    <message>
        <source>Flaga 11</source>
        <translation>Flag 11</translation>
    </message>
    <message>
        <source>Flaga 12</source>
        <translation>Flag 12</translation>
    </message>
    <message>
        <source>Flaga 2</source>
        <translation>Flag 2</translation>
    </message>
    <message>
        <source>Flaga 3</source>
        <translation>Flag 3</translation>
    </message>
    <message>
        <source>Flaga 4</source>
        <translation>Flag 4</translation>
    </message>
    <message>
        <source>Flaga 5</source>
        <translation>Flag 5</translation>
    </message>
    <message>
        <source>Flaga 6</source>
        <translation>Flag 6</translation>
    </message>
    <message>
        <source>Flaga 7</source>
        <translation>Flag 7</translation>
    </message>
    <message>
        <source>Flaga 8</source>
        <translation>Flag 8</translation>
    </message>
    <message>
        <source>Flaga 9</source>
        <translation>Flag 9</translation>
    </message>
    <message>
        <source>Flagi</source>
        <translation>Flags</translation>
    </message>
    <message>
        <source>Flagi Hitów</source>
        <translation>Hit Flags</translation>
    </message>
    <message>
        <source>Flagi Objektu</source>
        <translation>Object Flags</translation>
    </message>
    <message>
        <source>Flagi User</source>
        <translation>User Flags</translation>
    </message>
    <message>
        <source>Flagi Widoku</source>
        <translation>Draw Flags</translation>
    </message>
    <message>
        <source>Flagi...</source>
        <translation>Flags...</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Funkcja &apos;Block Copy&apos;...</source>
        <translation>&apos;Block Copy&apos;...</translation>
    </message>
    <message>
        <source>G-Strzał</source>
        <translation>P-Shot</translation>
    </message>
    <message>
        <source>Generow</source>
        <translation>Generator</translation>
    </message>
    <message>
        <source>Gotowy</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Gra</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Gra:</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>Gracz</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Góra:</source>
        <translation>Up:</translation>
    </message>
    <message>
        <source>Górny Lewy Róg</source>
        <translation>Top Left Corner</translation>
    </message>
    <message>
        <source>Górny Prawy Róg</source>
        <translation>Top Right Corner</translation>
    </message>
    <message>
        <source>Hity...</source>
        <translation>Hits...</translation>
    </message>
    <message>
        <source>I:</source>
        <translation>I:</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Identyfikacja</source>
        <translation>Identity</translation>
    </message>
    <message>
        <source>Idź Do X,Y</source>
        <translation>Go To X,Y</translation>
    </message>
    <message>
        <source>Ilość</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Ilość Objektów:</source>
        <translation>Objects:</translation>
    </message>
    <message>
        <source>Ilość Planów:</source>
        <translation>Planes:</translation>
    </message>
    <message>
        <source>Image = </source>
        <translation>Image = </translation>
    </message>
    <message>
        <source>Image = %i</source>
        <translation>Image = %i</translation>
    </message>
    <message>
        <source>Image = (Fill)</source>
        <translation>Image = (Fill)</translation>
    </message>
    <message>
        <source>Image = (Invis)</source>
        <translation>Image = (Invis)</translation>
    </message>
    <message>
        <source>ImageSet %1:</source>
        <translation>ImageSet %1:</translation>
    </message>
    <message>
        <source>ImageSet:</source>
        <translation>ImageSet:</translation>
    </message>
    <message>
        <source>ImageSety</source>
        <translation>ImageSets</translation>
    </message>
    <message>
        <source>In Attrib must be different from Out Attrib!</source>
        <translation>In Attrib must be different from Out Attrib!</translation>
    </message>
    <message>
        <source>Informacje</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Informacje Hitów Objektu</source>
        <translation>Object Hit Information</translation>
    </message>
    <message>
        <source>Informacje Warstwy</source>
        <translation>Plane Information</translation>
    </message>
    <message>
        <source>Informacje Świata</source>
        <translation>World Information</translation>
    </message>
    <message>
        <source>Inne</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Inne Opcje Objektu</source>
        <translation>Other Object Options</translation>
    </message>
    <message>
        <source>Inne...</source>
        <translation>Other...</translation>
    </message>
    <message>
        <source>Kier:</source>
        <translation>Facing:</translation>
    </message>
    <message>
        <source>Kierunek:</source>
        <translation>Direction:</translation>
    </message>
    <message>
        <source>Klatka:</source>
        <translation>Frame:</translation>
    </message>
    <message>
        <source>Klawisz</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Klawisze</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Klawisze w trybie klocków</source>
        <translation>Keys in tile mode</translation>
    </message>
    <message>
        <source>Klawisze w trybie objektów</source>
        <translation>Keys in object mode</translation>
    </message>
    <message>
        <source>Mysz</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Gest</source>
        <translation>Gesture</translation>
    </message>
    <message>
        <source>Tryb klocków</source>
        <translation>Tile mode</translation>
    </message>
    <message>
        <source>Tryb objektów</source>
        <translation>Object mode</translation>
    </message>
    <message>
        <source>Kliknięcie</source>
        <translation>Click</translation>
    </message>
    <message>
        <source>Shift+kliknięcie</source>
        <translation>Shift+click</translation>
    </message>
    <message>
        <source>Ctrl+kliknięcie</source>
        <translation>Ctrl+click</translation>
    </message>
    <message>
        <source>Prawy przycisk</source>
        <translation>Right click</translation>
    </message>
    <message>
        <source>Shift+prawy przycisk</source>
        <translation>Shift+right click</translation>
    </message>
    <message>
        <source>Ctrl+prawy przycisk</source>
        <translation>Ctrl+right click</translation>
    </message>
    <message>
        <source>Podwójne kliknięcie</source>
        <translation>Double click</translation>
    </message>
    <message>
        <source>Kółko</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Shift+kółko</source>
        <translation>Shift+wheel</translation>
    </message>
    <message>
        <source>Ctrl+kółko</source>
        <translation>Ctrl+wheel</translation>
    </message>
    <message>
        <source>Środkowy przycisk i ruch</source>
        <translation>Middle button and drag</translation>
    </message>
    <message>
        <source>Przenosi kursor na klocek</source>
        <translation>Moves the cursor to the tile</translation>
    </message>
    <message>
        <source>Przenosi kursor i bierze jego klocek jako bieżący obraz</source>
        <translation>Moves the cursor and takes its tile as the current image</translation>
    </message>
    <message>
        <source>Wstawia bieżący obraz w klocek pod myszą</source>
        <translation>Puts the current image into the tile under the mouse</translation>
    </message>
    <message>
        <source>Usuwa klocek pod myszą</source>
        <translation>Deletes the tile under the mouse</translation>
    </message>
    <message>
        <source>Wypełnia klocek pod myszą kolorem</source>
        <translation>Fills the tile under the mouse with colour</translation>
    </message>
    <message>
        <source>Zaznacza trafiony objekt; poza objektami kasuje zakres zaznaczenia</source>
        <translation>Selects the object hit; away from objects clears the selection range</translation>
    </message>
    <message>
        <source>Zaznacza trafiony objekt i rozszerza zakres zaznaczenia o to miejsce</source>
        <translation>Selects the object hit and extends the selection range to the spot</translation>
    </message>
    <message>
        <source>Jak kliknięcie</source>
        <translation>As a click</translation>
    </message>
    <message>
        <source>Zaznacza trafiony objekt i otwiera jego edycję</source>
        <translation>Selects the object hit and opens its editing</translation>
    </message>
    <message>
        <source>Jak prawy przycisk</source>
        <translation>As a right click</translation>
    </message>
    <message>
        <source>Tworzy objekt w miejscu myszy i otwiera jego edycję</source>
        <translation>Makes an object at the mouse and opens its editing</translation>
    </message>
    <message>
        <source>Przewija widok w pionie</source>
        <translation>Scrolls the view up or down</translation>
    </message>
    <message>
        <source>Przewija widok w poziomie</source>
        <translation>Scrolls the view sideways</translation>
    </message>
    <message>
        <source>Przybliża lub oddala widok wokół myszy</source>
        <translation>Zooms the view in or out about the mouse</translation>
    </message>
    <message>
        <source>Przesuwa widok za myszą</source>
        <translation>Drags the view with the mouse</translation>
    </message>
    <message>
        <source>Klipy</source>
        <translation>Clips</translation>
    </message>
    <message>
        <source>Kloc</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Klocek</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>Klocek = 000, 000</source>
        <translation>Tile = 000, 000</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Kolor:</source>
        <translation>Colour:</translation>
    </message>
    <message>
        <source>Kolumna:</source>
        <translation>Column:</translation>
    </message>
    <message>
        <source>Kompresja</source>
        <translation>Compressed</translation>
    </message>
    <message>
        <source>Koniec Kolumny</source>
        <translation>Column End</translation>
    </message>
    <message>
        <source>Koniec Wiersza</source>
        <translation>Row End</translation>
    </message>
    <message>
        <source>Kopiuj</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Kopiuje zaznaczony objekt</source>
        <translation>Copies the selected object</translation>
    </message>
    <message>
        <source>Kwad...</source>
        <translation>Rects...</translation>
    </message>
    <message>
        <source>Kwadraty Objektu</source>
        <translation>Object Rectangles</translation>
    </message>
    <message>
        <source>Level contains all valid tiles!</source>
        <translation>Level contains all valid tiles!</translation>
    </message>
    <message>
        <source>Level contains invalid tiles!</source>
        <translation>Level contains invalid tiles!</translation>
    </message>
    <message>
        <source>Lewo:</source>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Limitowane</source>
        <translation>Limited</translation>
    </message>
    <message>
        <source>Logika #</source>
        <translation>Logic #</translation>
    </message>
    <message>
        <source>Logika:</source>
        <translation>Logic:</translation>
    </message>
    <message>
        <source>Lustrzany</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Maski (*.bmp, *.pcx, *.rid, *.pid)</source>
        <translation>Masks (*.bmp, *.pcx, *.rid, *.pid)</translation>
    </message>
    <message>
        <source>Menu w trybie klocków</source>
        <translation>Menus in tile mode</translation>
    </message>
    <message>
        <source>Menu w trybie objektów (pozostałe jak w trybie klocków)</source>
        <translation>Menus in object mode (the others as in tile mode)</translation>
    </message>
    <message>
        <source>Miejsce = 000000</source>
        <translation>Set = 000000</translation>
    </message>
    <message>
        <source>Migający</source>
        <translation>Flash</translation>
    </message>
    <message>
        <source>Mouse = %i, %i</source>
        <translation>Mouse = %i, %i</translation>
    </message>
    <message>
        <source>Multiplayer</source>
        <translation>Multiplayer</translation>
    </message>
    <message>
        <source>Mysz = 000000, 000000</source>
        <translation>Mouse = 000000, 000000</translation>
    </message>
    <message>
        <source>Na:</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>Naprawia Klocki</source>
        <translation>Repairs the tiles</translation>
    </message>
    <message>
        <source>Nast &gt;&gt;</source>
        <translation>Next &gt;&gt;</translation>
    </message>
    <message>
        <source>Następny</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Następny ImageSet</source>
        <translation>Next ImageSet</translation>
    </message>
    <message>
        <source>Następny Obraz&amp;ek</source>
        <translation>Ne&amp;xt Image</translation>
    </message>
    <message>
        <source>Nazwa:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Nie Uderza</source>
        <translation>No Hit</translation>
    </message>
    <message>
        <source>Nie można przesunąć tego planu.</source>
        <translation>This plane cannot be moved.</translation>
    </message>
    <message>
        <source>Nie można usunąć tego planu.</source>
        <translation>This plane cannot be removed.</translation>
    </message>
    <message>
        <source>Nie można wypełnić planu.</source>
        <translation>The plane cannot be filled.</translation>
    </message>
    <message>
        <source>Nieskoń. X</source>
        <translation>Endless X</translation>
    </message>
    <message>
        <source>Nieskoń. Y</source>
        <translation>Endless Y</translation>
    </message>
    <message>
        <source>Nieużyte:</source>
        <translation>Unused:</translation>
    </message>
    <message>
        <source>Niewidzialny</source>
        <translation>Invisible</translation>
    </message>
    <message>
        <source>Nowa Pozycja:</source>
        <translation>New Position:</translation>
    </message>
    <message>
        <source>Nowa Warstwa</source>
        <translation>New Plane</translation>
    </message>
    <message>
        <source>Nowy Świat</source>
        <translation>New World</translation>
    </message>
    <message>
        <source>O 1 piksel w Dół</source>
        <translation>1 Pixel Down</translation>
    </message>
    <message>
        <source>O 1 piksel w Górę</source>
        <translation>1 Pixel Up</translation>
    </message>
    <message>
        <source>O 1 piksel w Lewo</source>
        <translation>1 Pixel Left</translation>
    </message>
    <message>
        <source>O 1 piksel w Prawo</source>
        <translation>1 Pixel Right</translation>
    </message>
    <message>
        <source>O 10 pikseli w Dół</source>
        <translation>10 Pixels Down</translation>
    </message>
    <message>
        <source>O 10 pikseli w Górę</source>
        <translation>10 Pixels Up</translation>
    </message>
    <message>
        <source>O 10 pikseli w Lewo</source>
        <translation>10 Pixels Left</translation>
    </message>
    <message>
        <source>O 10 pikseli w Prawo</source>
        <translation>10 Pixels Right</translation>
    </message>
    <message>
        <source>O VyrWorldzie</source>
        <translation>About VyrWorld</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Obecna Pozycja:</source>
        <translation>Current Position:</translation>
    </message>
    <message>
        <source>Objekty</source>
        <translation>Objects</translation>
    </message>
    <message>
        <source>%i objekt leży na warstwie bez atrybutu &quot;Objekty&quot; i nie zostałby zapisany. Aby go zachować, wybierz Nie i nadaj warstwie &quot;Objekty&quot; w &quot;Informacje Warstwy&quot; (albo cofnij tę zmianę).

Zapisać świat bez niego?</source>
        <translation>%i object lies on a plane without &quot;Objects&quot; and would not be saved. To keep it, answer No and give the plane &quot;Objects&quot; in &quot;Plane Information&quot; (or undo that change).

Save the world without it?</translation>
    </message>
    <message>
        <source>%i objekty leżą na warstwach bez atrybutu &quot;Objekty&quot; i nie zostałyby zapisane. Aby je zachować, wybierz Nie i nadaj warstwie &quot;Objekty&quot; w &quot;Informacje Warstwy&quot; (albo cofnij tę zmianę).

Zapisać świat bez nich?</source>
        <translation>%i objects lie on planes without &quot;Objects&quot; and would not be saved. To keep them, answer No and give the plane &quot;Objects&quot; in &quot;Plane Information&quot; (or undo that change).

Save the world without them?</translation>
    </message>
    <message>
        <source>%i objektów leży na warstwach bez atrybutu &quot;Objekty&quot; i nie zostałoby zapisanych. Aby je zachować, wybierz Nie i nadaj warstwie &quot;Objekty&quot; w &quot;Informacje Warstwy&quot; (albo cofnij tę zmianę).

Zapisać świat bez nich?</source>
        <translation>%i objects lie on planes without &quot;Objects&quot; and would not be saved. To keep them, answer No and give the plane &quot;Objects&quot; in &quot;Plane Information&quot; (or undo that change).

Save the world without them?</translation>
    </message>
    <message>
        <source>Nie zmieniono żadnego objektu</source>
        <translation>No object changed</translation>
    </message>
    <message>
        <source>Warstwa &quot;%s&quot; straci atrybut &quot;Objekty&quot;, a jej %i objekt nie będzie już zapisywany.

Zabrać warstwie &quot;Objekty&quot;?</source>
        <translation>Plane &quot;%s&quot; will lose &quot;Objects&quot;, and its %i object will no longer be saved.

Take &quot;Objects&quot; from the plane?</translation>
    </message>
    <message>
        <source>Warstwa &quot;%s&quot; straci atrybut &quot;Objekty&quot;, a jej %i objekty nie będą już zapisywane.

Zabrać warstwie &quot;Objekty&quot;?</source>
        <translation>Plane &quot;%s&quot; will lose &quot;Objects&quot;, and its %i objects will no longer be saved.

Take &quot;Objects&quot; from the plane?</translation>
    </message>
    <message>
        <source>Warstwa &quot;%s&quot; straci atrybut &quot;Objekty&quot;, a jej %i objektów nie będzie już zapisywanych.

Zabrać warstwie &quot;Objekty&quot;?</source>
        <translation>Plane &quot;%s&quot; will lose &quot;Objects&quot;, and its %i objects will no longer be saved.

Take &quot;Objects&quot; from the plane?</translation>
    </message>
    <message>
        <source>Zmieniono %i objekt</source>
        <translation>Changed %i object</translation>
    </message>
    <message>
        <source>Zmieniono %i objekty</source>
        <translation>Changed %i objects</translation>
    </message>
    <message>
        <source>Zmieniono %i objektów</source>
        <translation>Changed %i objects</translation>
    </message>
    <message>
        <source>Obraz = 000000</source>
        <translation>Image = 000000</translation>
    </message>
    <message>
        <source>Obrazy Klocków</source>
        <translation>Tile Images</translation>
    </message>
    <message>
        <source>Obrazy:</source>
        <translation>Images:</translation>
    </message>
    <message>
        <source>Odwrócony</source>
        <translation>Inverted</translation>
    </message>
    <message>
        <source>Okno Wyboru</source>
        <translation>Tile Picker</translation>
    </message>
    <message>
        <source>Open Mask File</source>
        <translation>Open Mask File</translation>
    </message>
    <message>
        <source>Naprawiono %i klocek</source>
        <translation>Repaired %i tile</translation>
    </message>
    <message>
        <source>Naprawiono %i klocki</source>
        <translation>Repaired %i tiles</translation>
    </message>
    <message>
        <source>Naprawiono %i klocków</source>
        <translation>Repaired %i tiles</translation>
    </message>
    <message>
        <source>Żaden klocek nie wymagał naprawy</source>
        <translation>No tile needed repair</translation>
    </message>
    <message>
        <source>Zamieniono %i klocek</source>
        <translation>Replaced %i tile</translation>
    </message>
    <message>
        <source>Zamieniono %i klocki</source>
        <translation>Replaced %i tiles</translation>
    </message>
    <message>
        <source>Zamieniono %i klocków</source>
        <translation>Replaced %i tiles</translation>
    </message>
    <message>
        <source>Żaden klocek nie pasował do szukanego</source>
        <translation>No tile matched the search</translation>
    </message>
    <message>
        <source>Skopiowano %i klocek</source>
        <translation>Copied %i tile</translation>
    </message>
    <message>
        <source>Skopiowano %i klocki</source>
        <translation>Copied %i tiles</translation>
    </message>
    <message>
        <source>Skopiowano %i klocków</source>
        <translation>Copied %i tiles</translation>
    </message>
    <message>
        <source>Nic nie skopiowano: blok leży poza planem</source>
        <translation>Nothing was copied: the block lies outside the plane</translation>
    </message>
    <message>
        <source>Zapisano %s (%i × %i)</source>
        <translation>Saved %s (%i × %i)</translation>
    </message>
    <message>
        <source>Odświeżono plik 'Rez' %s: zapisano %i plik</source>
        <translation>Refreshed the rez file %s: %i file stored</translation>
    </message>
    <message>
        <source>Odświeżono plik 'Rez' %s: zapisano %i pliki</source>
        <translation>Refreshed the rez file %s: %i files stored</translation>
    </message>
    <message>
        <source>Odświeżono plik 'Rez' %s: zapisano %i plików</source>
        <translation>Refreshed the rez file %s: %i files stored</translation>
    </message>
    <message>
        <source>Plik 'Rez' %s jest aktualny</source>
        <translation>The rez file %s is up to date</translation>
    </message>
    <message>
        <source>Odświeżanie pliku 'Rez' %s z folderu %s</source>
        <translation>Refreshing the rez file %s from the folder %s</translation>
    </message>
    <message>
        <source>Nie można odświeżyć pliku 'Rez' %s z folderu %s:</source>
        <translation>Unable to refresh the rez file %s from the folder %s:</translation>
    </message>
    <message>
        <source>Umieść luźne pliki w tym folderze, sprawdź, czy plik 'Rez' można zapisać, i spróbuj ponownie.</source>
        <translation>Put the loose files into that folder, check that the rez file can be written, and try again.</translation>
    </message>
    <message>
        <source>Po odświeżeniu nie można ponownie otworzyć pliku 'Rez' %s: %s

Otwórz świat ponownie, zanim dodasz ImageSety.</source>
        <translation>The rez file %s could not be opened again after the refresh: %s

Open the world again before adding image sets.</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku %s.</source>
        <translation>Unable to open %s.</translation>
    </message>
    <message>
        <source>Sprawdź, czy plik istnieje i można go odczytać, i otwórz go ponownie.</source>
        <translation>Check that the file exists and can be read, then open it again.</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %s.</source>
        <translation>Unable to save %s.</translation>
    </message>
    <message>
        <source>Sprawdź, czy folder istnieje i można w nim zapisywać, i zapisz plik ponownie.</source>
        <translation>Check that the folder exists and can be written, then save again.</translation>
    </message>
    <message>
        <source>Otwórz</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Podaj pozycję od 0 do %i.</source>
        <translation>Enter a position from 0 to %i.</translation>
    </message>
    <message>
        <source>Wpisz procent: liczbę większą od 0, inną niż 100.</source>
        <translation>Enter a percentage: a number above 0 other than 100.</translation>
    </message>
    <message>
        <source>12,5%</source>
        <translation>12.5%</translation>
    </message>
    <message>
        <source>Open the world again and answer Yes to give a new location in &quot;Informacje Świata&quot;.</source>
        <translation>Open the world again and answer Yes to give a new location in &quot;World Information&quot;.</translation>
    </message>
    <message>
        <source>Opis</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Opóźnienie:</source>
        <translation>Delay:</translation>
    </message>
    <message>
        <source>Ozdoba</source>
        <translation>Decoration</translation>
    </message>
    <message>
        <source>P-Strzał</source>
        <translation>E-Shot</translation>
    </message>
    <message>
        <source>Palety:</source>
        <translation>Palette:</translation>
    </message>
    <message>
        <source>Plane %s: Bad map image set value (%i) at %i,%i
</source>
        <translation>Plane %s: Bad map image set value (%i) at %i,%i
</translation>
    </message>
    <message>
        <source>Plane %s: Bad map tile value (%i) at %i,%i
</source>
        <translation>Plane %s: Bad map tile value (%i) at %i,%i
</translation>
    </message>
    <message>
        <source>Please specify a filename for the bitmap.</source>
        <translation>Please specify a filename for the bitmap.</translation>
    </message>
    <message>
        <source>Plik &apos;Rez&apos;</source>
        <translation>&apos;Rez&apos; File</translation>
    </message>
    <message>
        <source>Plik &apos;Rez&apos;:</source>
        <translation>&apos;Rez&apos; File:</translation>
    </message>
    <message>
        <source>Pliki</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Pliki &apos;Rez&apos; (*.rez)</source>
        <translation>&apos;Rez&apos; Files (*.rez)</translation>
    </message>
    <message>
        <source>Początek Kolumny</source>
        <translation>Column Start</translation>
    </message>
    <message>
        <source>Początek Wiersza</source>
        <translation>Row Start</translation>
    </message>
    <message>
        <source>Podgląd Wydr&amp;uku</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>Polecenie</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Poprz&amp;edni Obrazek</source>
        <translation>Pre&amp;vious Image</translation>
    </message>
    <message>
        <source>Poprzedni</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Poprzedni ImageSet</source>
        <translation>Previous ImageSet</translation>
    </message>
    <message>
        <source>Porusza widok 64 piksele w dół</source>
        <translation>Moves the view 64 pixels down</translation>
    </message>
    <message>
        <source>Porusza widok 64 piksele w górę</source>
        <translation>Moves the view 64 pixels up</translation>
    </message>
    <message>
        <source>Porusza widok 64 piksele w lewo</source>
        <translation>Moves the view 64 pixels left</translation>
    </message>
    <message>
        <source>Porusza widok 64 piksele w prawo</source>
        <translation>Moves the view 64 pixels right</translation>
    </message>
    <message>
        <source>Poruszanie</source>
        <translation>Movement</translation>
    </message>
    <message>
        <source>Powerup</source>
        <translation>Powerup</translation>
    </message>
    <message>
        <source>Powerup:</source>
        <translation>Powerup:</translation>
    </message>
    <message>
        <source>Powstał:</source>
        <translation>Created:</translation>
    </message>
    <message>
        <source>Pozycja menu</source>
        <translation>Menu entry</translation>
    </message>
    <message>
        <source>Pozycje</source>
        <translation>Positions</translation>
    </message>
    <message>
        <source>Prawo:</source>
        <translation>Right:</translation>
    </message>
    <message>
        <source>Prefiks %1:</source>
        <translation>Prefix %1:</translation>
    </message>
    <message>
        <source>Prefiks:</source>
        <translation>Prefix:</translation>
    </message>
    <message>
        <source>Procent:</source>
        <translation>Percent:</translation>
    </message>
    <message>
        <source>Przeciwnik</source>
        <translation>Enemy</translation>
    </message>
    <message>
        <source>Przestaw</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Przesuń Warstwę</source>
        <translation>Move Plane</translation>
    </message>
    <message>
        <source>Przełącza tryb klocków i tryb objektów</source>
        <translation>Switches between tile mode and object mode</translation>
    </message>
    <message>
        <source>Przybl&amp;iż</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Przywróć Plik...</source>
        <translation>Recent File...</translation>
    </message>
    <message>
        <source>Punkty Objektu</source>
        <translation>Object Points</translation>
    </message>
    <message>
        <source>Punkty...</source>
        <translation>Points...</translation>
    </message>
    <message>
        <source>Punkty:</source>
        <translation>Points:</translation>
    </message>
    <message>
        <source>ROOT</source>
        <translation>ROOT</translation>
    </message>
    <message>
        <source>Remove %s plane, are you sure?</source>
        <translation>Remove %s plane, are you sure?</translation>
    </message>
    <message>
        <source>Ruch</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Scaling by %i%% would move an object past the largest coordinate; enter a smaller percentage.</source>
        <translation>Scaling by %i%% would move an object past the largest coordinate; enter a smaller percentage.</translation>
    </message>
    <message>
        <source>Search and replace tiles...</source>
        <translation>Search and replace tiles...</translation>
    </message>
    <message>
        <source>Set = </source>
        <translation>Set = </translation>
    </message>
    <message>
        <source>Set = %i</source>
        <translation>Set = %i</translation>
    </message>
    <message>
        <source>Set = (Fill)</source>
        <translation>Set = (Fill)</translation>
    </message>
    <message>
        <source>Set = (Invis)</source>
        <translation>Set = (Invis)</translation>
    </message>
    <message>
        <source>Set Z Value %i	Ctrl+%i</source>
        <translation>Set Z Value %i	Ctrl+%i</translation>
    </message>
    <message>
        <source>Specialny</source>
        <translation>Special</translation>
    </message>
    <message>
        <source>Start X:</source>
        <translation>Start X:</translation>
    </message>
    <message>
        <source>Start Y:</source>
        <translation>Start Y:</translation>
    </message>
    <message>
        <source>Statystyki Klocków</source>
        <translation>Tile Statistics</translation>
    </message>
    <message>
        <source>Statystyki...</source>
        <translation>Statistics...</translation>
    </message>
    <message>
        <source>Strzał</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Szkody</source>
        <translation>Damage</translation>
    </message>
    <message>
        <source>Szkody:</source>
        <translation>Damage:</translation>
    </message>
    <message>
        <source>Szukaj</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Szukaj: Kloc</source>
        <translation>Search: Tile</translation>
    </message>
    <message>
        <source>Szybk X:</source>
        <translation>Speed X:</translation>
    </message>
    <message>
        <source>Szybk Y:</source>
        <translation>Speed Y:</translation>
    </message>
    <message>
        <source>Szybk:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Szybki</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Szybkość:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Ten plik jest uszkodzony.</source>
        <translation>This file is damaged.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Test (uruchamia grę)</source>
        <translation>Test (runs the game)</translation>
    </message>
    <message>
        <source>The image directory %s is not in the rez file %s.</source>
        <translation>The image directory %s is not in the rez file %s.</translation>
    </message>
    <message>
        <source>The image directory %s of the rez file %s holds no images.</source>
        <translation>The image directory %s of the rez file %s holds no images.</translation>
    </message>
    <message>
        <source>The palette %s is not in the rez file %s.</source>
        <translation>The palette %s is not in the rez file %s.</translation>
    </message>
    <message>
        <source>The plane could not be added. Open or create a world first.</source>
        <translation>The plane could not be added. Open or create a world first.</translation>
    </message>
    <message>
        <source>The rez file %s could not be opened.</source>
        <translation>The rez file %s could not be opened.</translation>
    </message>
    <message>
        <source>The rez file %s is damaged; these parts could not be read:</source>
        <translation>The rez file %s is damaged; these parts could not be read:</translation>
    </message>
    <message>
        <source>Tile = %i, %i</source>
        <translation>Tile = %i, %i</translation>
    </message>
    <message>
        <source>Trudny</source>
        <translation>Difficult</translation>
    </message>
    <message>
        <source>Tryb Klocków</source>
        <translation>Tile Mode</translation>
    </message>
    <message>
        <source>Tryb Objektów</source>
        <translation>Object Mode</translation>
    </message>
    <message>
        <source>Tryb klocków edytuje klocki planu pod migającym kursorem; tryb objektów edytuje objekty planu. Cyfry 0–9 klawiatury głównej wpisują numer obrazu do klocka pod kursorem.</source>
        <translation>Tile mode edits the plane&apos;s tiles under the blinking cursor; object mode edits the plane&apos;s objects. The digits 0–9 of the main keyboard type an image number into the tile under the cursor.</translation>
    </message>
    <message>
        <source>Typ</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Typ Objektu</source>
        <translation>Object Type</translation>
    </message>
    <message>
        <source>Unable to find image rez dir: %s

Would you like to specify a new location?</source>
        <translation>Unable to find image rez dir: %s

Would you like to specify a new location?</translation>
    </message>
    <message>
        <source>Unable to find palette rez: %s

Would you like to specify a new location?</source>
        <translation>Unable to find palette rez: %s

Would you like to specify a new location?</translation>
    </message>
    <message>
        <source>Unable to locate rez file: %s

Would you like to specify a new location?</source>
        <translation>Unable to locate rez file: %s

Would you like to specify a new location?</translation>
    </message>
    <message>
        <source>Uruchamia grę</source>
        <translation>Runs the game</translation>
    </message>
    <message>
        <source>User 1</source>
        <translation>User 1</translation>
    </message>
    <message>
        <source>User 1:</source>
        <translation>User 1:</translation>
    </message>
    <message>
        <source>User 2</source>
        <translation>User 2</translation>
    </message>
    <message>
        <source>User 2:</source>
        <translation>User 2:</translation>
    </message>
    <message>
        <source>User 3</source>
        <translation>User 3</translation>
    </message>
    <message>
        <source>User 3:</source>
        <translation>User 3:</translation>
    </message>
    <message>
        <source>User 4</source>
        <translation>User 4</translation>
    </message>
    <message>
        <source>User 4:</source>
        <translation>User 4:</translation>
    </message>
    <message>
        <source>User 5:</source>
        <translation>User 5:</translation>
    </message>
    <message>
        <source>User 6:</source>
        <translation>User 6:</translation>
    </message>
    <message>
        <source>User 7:</source>
        <translation>User 7:</translation>
    </message>
    <message>
        <source>User 8:</source>
        <translation>User 8:</translation>
    </message>
    <message>
        <source>User...</source>
        <translation>User...</translation>
    </message>
    <message>
        <source>User1</source>
        <translation>User1</translation>
    </message>
    <message>
        <source>User2</source>
        <translation>User2</translation>
    </message>
    <message>
        <source>Ustaw Własne Ruchy...</source>
        <translation>Set Custom Moves...</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #0</source>
        <translation>Sets Z coordinate #0</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #1</source>
        <translation>Sets Z coordinate #1</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #2</source>
        <translation>Sets Z coordinate #2</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #3</source>
        <translation>Sets Z coordinate #3</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #4</source>
        <translation>Sets Z coordinate #4</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #5</source>
        <translation>Sets Z coordinate #5</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #6</source>
        <translation>Sets Z coordinate #6</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #7</source>
        <translation>Sets Z coordinate #7</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #8</source>
        <translation>Sets Z coordinate #8</translation>
    </message>
    <message>
        <source>Ustawia Współrzędną Z #9</source>
        <translation>Sets Z coordinate #9</translation>
    </message>
    <message>
        <source>Ustawianie Dodatkowych Ruchów</source>
        <translation>Custom Moves</translation>
    </message>
    <message>
        <source>Usunięte / Skrypt</source>
        <translation>Deleted / Script</translation>
    </message>
    <message>
        <source>Usuwa objekty bez logiki</source>
        <translation>Deletes the objects without a logic</translation>
    </message>
    <message>
        <source>Usuwa wszystkie objekty</source>
        <translation>Deletes all objects</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Usuń Uszkodzone</source>
        <translation>Delete Invalid</translation>
    </message>
    <message>
        <source>Usuń Wszystkie</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Uszkodzone...</source>
        <translation>Invalid Tiles...</translation>
    </message>
    <message>
        <source>Użyj Z</source>
        <translation>Use Z</translation>
    </message>
    <message>
        <source>Użyte:</source>
        <translation>Used:</translation>
    </message>
    <message>
        <source>Vyr World Pliki (*.VWD)</source>
        <translation>Vyr World Files (*.VWD)</translation>
    </message>
    <message>
        <source>VyrWorld Edytor</source>
        <translation>VyrWorld Editor</translation>
    </message>
    <message>
        <source>W Dół</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>W Górę</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>W Lewo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>W Prawo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>WARNING!  Tile %i is %ix%i</source>
        <translation>WARNING!  Tile %i is %ix%i</translation>
    </message>
    <message>
        <source>Warstwy w świecie</source>
        <translation>Planes in the World</translation>
    </message>
    <message>
        <source>Wartości &apos;User&apos;  Objektu</source>
        <translation>Object &apos;User&apos; Values</translation>
    </message>
    <message>
        <source>Wersja 0.1</source>
        <translation>Version 0.1</translation>
    </message>
    <message>
        <source>Wielkość Klocków</source>
        <translation>Tile Size</translation>
    </message>
    <message>
        <source>Wiersz:</source>
        <translation>Row:</translation>
    </message>
    <message>
        <source>Wklej</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Wkleja wcześniej skopiowany/wycięty objekt</source>
        <translation>Pastes the object copied or cut before</translation>
    </message>
    <message>
        <source>Współrzędna Z #</source>
        <translation>Z Coordinate #</translation>
    </message>
    <message>
        <source>Współrzędne</source>
        <translation>Coordinates</translation>
    </message>
    <message>
        <source>Wstaw</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr0</source>
        <translation>Insert Logic No. 0</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr1</source>
        <translation>Insert Logic No. 1</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr2</source>
        <translation>Insert Logic No. 2</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr3</source>
        <translation>Insert Logic No. 3</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr4</source>
        <translation>Insert Logic No. 4</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr5</source>
        <translation>Insert Logic No. 5</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr6</source>
        <translation>Insert Logic No. 6</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr7</source>
        <translation>Insert Logic No. 7</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr8</source>
        <translation>Insert Logic No. 8</translation>
    </message>
    <message>
        <source>Wstaw Logikę nr9</source>
        <translation>Insert Logic No. 9</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr0</source>
        <translation>Insert Value No. 0</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr1</source>
        <translation>Insert Value No. 1</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr2</source>
        <translation>Insert Value No. 2</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr3</source>
        <translation>Insert Value No. 3</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr4</source>
        <translation>Insert Value No. 4</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr5</source>
        <translation>Insert Value No. 5</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr6</source>
        <translation>Insert Value No. 6</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr7</source>
        <translation>Insert Value No. 7</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr8</source>
        <translation>Insert Value No. 8</translation>
    </message>
    <message>
        <source>Wstaw Wartość nr9</source>
        <translation>Insert Value No. 9</translation>
    </message>
    <message>
        <source>Wstaw w miejscu kursora</source>
        <translation>Insert at Cursor</translation>
    </message>
    <message>
        <source>Wszystkie</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Wszystkie (*)</source>
        <translation>All (*)</translation>
    </message>
    <message>
        <source>Wszystkie (*.*)</source>
        <translation>All (*.*)</translation>
    </message>
    <message>
        <source>Wszystkie Klocki:</source>
        <translation>All Tiles:</translation>
    </message>
    <message>
        <source>Wszystkie Nieużyte:</source>
        <translation>All Unused:</translation>
    </message>
    <message>
        <source>Wszystkie Użyte:</source>
        <translation>All Used:</translation>
    </message>
    <message>
        <source>Wybiera następny ImageSet</source>
        <translation>Selects the next image set</translation>
    </message>
    <message>
        <source>Wybiera poprzedni ImageSet</source>
        <translation>Selects the previous image set</translation>
    </message>
    <message>
        <source>Wybierz obraz do załadowania:</source>
        <translation>Choose an image to load:</translation>
    </message>
    <message>
        <source>Wycina zaznaczony objekt</source>
        <translation>Cuts the selected object</translation>
    </message>
    <message>
        <source>Wyjści&amp;e</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Wymiary Warstwy</source>
        <translation>Plane Size</translation>
    </message>
    <message>
        <source>Wynik:</source>
        <translation>Score:</translation>
    </message>
    <message>
        <source>Wypełnienie</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Wypełnij Kolorem</source>
        <translation>Fill with Colour</translation>
    </message>
    <message>
        <source>Wys:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Wysokość:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Wytnij</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Własny w Dół</source>
        <translation>Custom Down</translation>
    </message>
    <message>
        <source>Własny w Górę</source>
        <translation>Custom Up</translation>
    </message>
    <message>
        <source>Własny w Lewo</source>
        <translation>Custom Left</translation>
    </message>
    <message>
        <source>Własny w Prawo</source>
        <translation>Custom Right</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>X %:</source>
        <translation>X %:</translation>
    </message>
    <message>
        <source>X Max:</source>
        <translation>X Max:</translation>
    </message>
    <message>
        <source>X Min:</source>
        <translation>X Min:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>Y %:</source>
        <translation>Y %:</translation>
    </message>
    <message>
        <source>Y Max:</source>
        <translation>Y Max:</translation>
    </message>
    <message>
        <source>Y Min:</source>
        <translation>Y Min:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Z #0</source>
        <translation>Z #0</translation>
    </message>
    <message>
        <source>Z #1</source>
        <translation>Z #1</translation>
    </message>
    <message>
        <source>Z #2</source>
        <translation>Z #2</translation>
    </message>
    <message>
        <source>Z #3</source>
        <translation>Z #3</translation>
    </message>
    <message>
        <source>Z #4</source>
        <translation>Z #4</translation>
    </message>
    <message>
        <source>Z #5</source>
        <translation>Z #5</translation>
    </message>
    <message>
        <source>Z #6</source>
        <translation>Z #6</translation>
    </message>
    <message>
        <source>Z #7</source>
        <translation>Z #7</translation>
    </message>
    <message>
        <source>Z #8</source>
        <translation>Z #8</translation>
    </message>
    <message>
        <source>Z #9</source>
        <translation>Z #9</translation>
    </message>
    <message>
        <source>Z Kolumny:</source>
        <translation>From Column:</translation>
    </message>
    <message>
        <source>Z Wiersza:</source>
        <translation>From Row:</translation>
    </message>
    <message>
        <source>Z&amp;apisz J&amp;ako...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>Z:</source>
        <translation>Z:</translation>
    </message>
    <message>
        <source>Zamień na</source>
        <translation>Replace With</translation>
    </message>
    <message>
        <source>Zamień na: Kloc</source>
        <translation>Replace With: Tile</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Zapi&amp;sz</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Zapisz w Warpie</source>
        <translation>Store as Warp</translation>
    </message>
    <message>
        <source>Zaznacz</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>Zaznaczenie</source>
        <translation>Cell</translation>
    </message>
    <message>
        <source>Zmiana</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Zmiana ImageSetów</source>
        <translation>Change ImageSets</translation>
    </message>
    <message>
        <source>Zmiana Logik</source>
        <translation>Change Logics</translation>
    </message>
    <message>
        <source>Zmiana Obrazków Logik</source>
        <translation>Change Logic Images</translation>
    </message>
    <message>
        <source>Zmiana Współrzędnych Objektów</source>
        <translation>Scale Object Coordinates</translation>
    </message>
    <message>
        <source>Zmiana Z</source>
        <translation>Change Z</translation>
    </message>
    <message>
        <source>Zmienia logikę dla objektów z podanym ImageSetem</source>
        <translation>Changes the logic of the objects with the given image set</translation>
    </message>
    <message>
        <source>Zmienia logikę w objektach</source>
        <translation>Changes the logic of objects</translation>
    </message>
    <message>
        <source>Zmienia współrzędne w każdym objekcie</source>
        <translation>Scales the coordinates of every object</translation>
    </message>
    <message>
        <source>Zmień Artrybuty...</source>
        <translation>Change Attributes...</translation>
    </message>
    <message>
        <source>Zmień ImageSety</source>
        <translation>Change ImageSets</translation>
    </message>
    <message>
        <source>Zmień ImageSety Logik...</source>
        <translation>Change Logic ImageSets...</translation>
    </message>
    <message>
        <source>Zmień ImageSety...</source>
        <translation>Change ImageSets...</translation>
    </message>
    <message>
        <source>Zmień Logiki</source>
        <translation>Change Logics</translation>
    </message>
    <message>
        <source>Zmień Logiki...</source>
        <translation>Change Logics...</translation>
    </message>
    <message>
        <source>Zmień Współrzędne</source>
        <translation>Scale Coordinates</translation>
    </message>
    <message>
        <source>Zmień Współrzędne...</source>
        <translation>Scale Coordinates...</translation>
    </message>
    <message>
        <source>Zmień Z</source>
        <translation>Change Z</translation>
    </message>
    <message>
        <source>Zmień Z...</source>
        <translation>Change Z...</translation>
    </message>
    <message>
        <source>Zmień jakikolwiek obrazek na innych we wszystkich objektach, które go mają</source>
        <translation>Changes an image set to another in every object that has it</translation>
    </message>
    <message>
        <source>Zmień współrzędną Z dla jednej z logik</source>
        <translation>Changes the Z coordinate of one logic</translation>
    </message>
    <message>
        <source>Zmień...</source>
        <translation>&amp;Replace...</translation>
    </message>
    <message>
        <source>Zmień:</source>
        <translation>Change:</translation>
    </message>
    <message>
        <source>Zrób Ma&amp;pshota...</source>
        <translation>Make a Ma&amp;pshot...</translation>
    </message>
    <message>
        <source>Zrób obraz całego planu</source>
        <translation>Makes a picture of the whole plane</translation>
    </message>
    <message>
        <source>xMax:</source>
        <translation>xMax:</translation>
    </message>
    <message>
        <source>xMin:</source>
        <translation>xMin:</translation>
    </message>
    <message>
        <source>xRuch:</source>
        <translation>xMove:</translation>
    </message>
    <message>
        <source>xTweak</source>
        <translation>xTweak</translation>
    </message>
    <message>
        <source>yMax:</source>
        <translation>yMax:</translation>
    </message>
    <message>
        <source>yMin:</source>
        <translation>yMin:</translation>
    </message>
    <message>
        <source>yRuch:</source>
        <translation>yMove:</translation>
    </message>
    <message>
        <source>yTweak</source>
        <translation>yTweak</translation>
    </message>
    <message>
        <source>Ś&amp;wiat</source>
        <translation>&amp;World</translation>
    </message>
    <message>
        <source>Życie:</source>
        <translation>Health:</translation>
    </message>
    <message>
        <source>%s already exists.

Replace it with the snapshot?</source>
        <translation>%s already exists.

Replace it with the snapshot?</translation>
    </message>
    <message>
        <source>%s is the open world file; the snapshot would destroy it. Give the bitmap another name.</source>
        <translation>%s is the open world file; the snapshot would destroy it. Give the bitmap another name.</translation>
    </message>
    <message>
        <source>.BMP</source>
        <translation>.BMP</translation>
    </message>
    <message>
        <source>&lt;- Poprz</source>
        <translation>&lt;- Prev</translation>
    </message>
    <message>
        <source>Argument %i: %s
</source>
        <translation>Argument %i: %s
</translation>
    </message>
    <message>
        <source>Artrybuty:</source>
        <translation>Attributes:</translation>
    </message>
    <message>
        <source>Blokuje</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>Choose another name or folder and try again.</source>
        <translation>Choose another name or folder and try again.</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
    </message>
    <message>
        <source>Drabina</source>
        <translation>Ladder</translation>
    </message>
    <message>
        <source>Informacje Klocków</source>
        <translation>Tile Information</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Mask</translation>
    </message>
    <message>
        <source>Nast -&gt;</source>
        <translation>Next -&gt;</translation>
    </message>
    <message>
        <source>Nazwa Mapshota:</source>
        <translation>Snapshot Name:</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Podłoga</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Poza:</source>
        <translation>Outside:</translation>
    </message>
    <message>
        <source>Robienie Mapshota</source>
        <translation>Making a Map Snapshot</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Spróbuj najpierw otworzyć ten plik 'Rez':</source>
        <translation>Try this 'Rez' file first:</translation>
    </message>
    <message>
        <source>Szukaj...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>The snapshot could not be written:</source>
        <translation>The snapshot could not be written:</translation>
    </message>
    <message>
        <source>The world has no palette to write the snapshot with. Open the world again.</source>
        <translation>The world has no palette to write the snapshot with. Open the world again.</translation>
    </message>
    <message>
        <source>Ścieżka gry tego świata uruchamia ten program. Uruchom go tylko wtedy, gdy ufasz źródłu świata.

Program: %s
%sFolder roboczy: %s

Uruchomić grę?</source>
        <translation>The world's game path starts this program. Start it only when you trust where the world came from.

Program: %s
%sWorking directory: %s

Start the game?</translation>
    </message>
    <message>
        <source>Zapisać zmiany przed testem?</source>
        <translation>Save the changes before the test?</translation>
    </message>
    <message>
        <source>Archiwum %s nie leży obok nowego pliku; edytor zapamiętał jego położenie</source>
        <translation>The archive %s does not lie beside the new file; the editor remembered where it is</translation>
    </message>
    <message>
        <source>Te pola zajmują w pliku całą swoją szerokość, bez kończącego zera: %s.

Edytor pokazuje je w całości i zostawia bez zmian, dopóki ich nie zmienisz; zapis świata utnie każde o ostatni znak, by zmieścić zero.</source>
        <translation>These fields fill their whole width in the file, with no terminating zero: %s.

The editor shows them whole and leaves them as they are unless you edit them; saving the world cuts the last character of each to make room for the zero.</translation>
    </message>
    <message>
        <source>There is no plane to take a snapshot of. Open a world first.</source>
        <translation>There is no plane to take a snapshot of. Open a world first.</translation>
    </message>
    <message>
        <source>Unable to start the game: %s

%s

Correct the &quot;Gra:&quot; field of &quot;Informacje Świata&quot;.</source>
        <translation>Unable to start the game: %s

%s

Correct the &quot;Gra:&quot; field of &quot;Informacje Świata&quot;.</translation>
    </message>
    <message>
        <source>W:</source>
        <translation>Inside:</translation>
    </message>
    <message>
        <source>Wolny</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Wymiary:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Zabija</source>
        <translation>Kills</translation>
    </message>
    <message>
        <source>Zazncz:</source>
        <translation>Select:</translation>
    </message>
    <message>
        <source>Zmiana Artrybutów Klocków</source>
        <translation>Changing Tile Attributes</translation>
    </message>
    <message>
        <source>na</source>
        <translation>by</translation>
    </message>
    <message>
        <source>Pokazuje pozostałe warstwy przyciemnione, przesunięte jak w grze</source>
        <translation>Shows the other planes dimmed, shifted as in the game</translation>
    </message>
    <message>
        <source>Wszystkie Warstwy</source>
        <translation>All Planes</translation>
    </message>
    <message>
        <source>Cofnij: %s</source>
        <translation>Undo %s</translation>
    </message>
    <message>
        <source>Ponów: %s</source>
        <translation>Redo %s</translation>
    </message>
    <message>
        <source>Wstaw Klocek</source>
        <translation>Insert Tile</translation>
    </message>
    <message>
        <source>Usuń Klocek</source>
        <translation>Delete Tile</translation>
    </message>
    <message>
        <source>Następny Klocek</source>
        <translation>Next Tile</translation>
    </message>
    <message>
        <source>Poprzedni Klocek</source>
        <translation>Previous Tile</translation>
    </message>
    <message>
        <source>Wypełnij</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Zmień Klocki</source>
        <translation>Replace Tiles</translation>
    </message>
    <message>
        <source>Naprawa Klocków</source>
        <translation>Repair Tiles</translation>
    </message>
    <message>
        <source>Nowy Objekt</source>
        <translation>New Object</translation>
    </message>
    <message>
        <source>Przesuń Objekt</source>
        <translation>Move Object</translation>
    </message>
    <message>
        <source>Usuń Objekt</source>
        <translation>Delete Object</translation>
    </message>
    <message>
        <source>Wytnij Objekt</source>
        <translation>Cut Object</translation>
    </message>
    <message>
        <source>Wklej Objekt</source>
        <translation>Paste Object</translation>
    </message>
    <message>
        <source>Usuń Wszystkie Objekty</source>
        <translation>Delete All Objects</translation>
    </message>
    <message>
        <source>Usuń Uszkodzone Objekty</source>
        <translation>Delete Invalid Objects</translation>
    </message>
    <message>
        <source>Zmień ImageSety Logik</source>
        <translation>Change Logic Image Sets</translation>
    </message>
    <message>
        <source>Ustaw Z</source>
        <translation>Set Z</translation>
    </message>
    <message>
        <source>Wstaw Logikę</source>
        <translation>Insert Logic</translation>
    </message>
    <message>
        <source>Warstwy</source>
        <translation>Planes</translation>
    </message>
    <message>
        <source>Atrybuty Klocków</source>
        <translation>Tile Attributes</translation>
    </message>
    <message>
        <source>Zmień Atrybuty</source>
        <translation>Scale Attributes</translation>
    </message>
    <message>
        <source>Postaw Klocek</source>
        <translation>Place Tile</translation>
    </message>
    <message>
        <source>Odzyskaj...</source>
        <translation>Recover...</translation>
    </message>
    <message>
        <source>Poprzednie Wersje...</source>
        <translation>Previous Versions...</translation>
    </message>
    <message>
        <source>Odzyskać niezapisane zmiany z %s?</source>
        <translation>Recover the unsaved changes from %s?</translation>
    </message>
    <message>
        <source>Odzyskaj</source>
        <translation>Recover</translation>
    </message>
    <message>
        <source>Nie można odczytać kopii niezapisanych zmian: %s

Otwieram świat zapisany w pliku.</source>
        <translation>The copy of the unsaved changes cannot be read: %s

Opening the world as saved in its file.</translation>
    </message>
    <message>
        <source>Poprzednie Wersje</source>
        <translation>Previous Versions</translation>
    </message>
    <message>
        <source>Nie ma niezapisanych zmian do odzyskania</source>
        <translation>There are no unsaved changes to recover</translation>
    </message>
    <message>
        <source>Ten świat nie ma poprzednich wersji</source>
        <translation>This world has no previous versions</translation>
    </message>
    <message>
        <source>%s  (%s, %s)</source>
        <translation>%s  (%s, %s)</translation>
    </message>
    <message>
        <source>Zapisywanie mapshota %s</source>
        <translation>Writing the mapshot %s</translation>
    </message>
    <message>
        <source>Przerwano: mapshot nie został zapisany</source>
        <translation>Cancelled: the mapshot was not written</translation>
    </message>
    <message>
        <source>Malowanie</source>
        <translation>Paint</translation>
    </message>
    <message>
        <source>Wytnij Klocki</source>
        <translation>Cut Tiles</translation>
    </message>
    <message>
        <source>Usuń Klocki</source>
        <translation>Delete Tiles</translation>
    </message>
    <message>
        <source>Wypełnij Zaznaczenie</source>
        <translation>Fill Selection</translation>
    </message>
    <message>
        <source>Stempel</source>
        <translation>Stamp</translation>
    </message>
    <message>
        <source>Przesuń Klocki</source>
        <translation>Move Tiles</translation>
    </message>
    <message>
        <source>Wypełnij Obszar</source>
        <translation>Fill Area</translation>
    </message>
    <message>
        <source>Przesuń Objekty</source>
        <translation>Move Objects</translation>
    </message>
    <message>
        <source>Zaznaczenie: %i x %i</source>
        <translation>Selection: %i x %i</translation>
    </message>
    <message>
        <source>Skopiowano %i x %i klocków</source>
        <translation>Copied %i x %i tiles</translation>
    </message>
    <message>
        <source>Stempel %i x %i: prawy przycisk stawia, Esc kończy</source>
        <translation>Stamp %i x %i: the right button places it, Esc ends</translation>
    </message>
    <message>
        <source>Ta warstwa nie ma zestawów obrazów: %s</source>
        <translation>This plane lacks the image sets: %s</translation>
    </message>
    <message>
        <source>Pędzel: zestaw %i, obraz %i</source>
        <translation>Brush: set %i, image %i</translation>
    </message>
    <message>
        <source>Zaznaczone objekty: %i</source>
        <translation>Selected objects: %i</translation>
    </message>
    <message>
        <source>Naprawa na Bieżąco</source>
        <translation>Live Repair</translation>
    </message>
    <message>
        <source>Naprawia krawędzie klocków po każdym malowaniu, wklejeniu i wypełnieniu</source>
        <translation>Repairs the tile edges after each stroke, paste and fill</translation>
    </message>
    <message>
        <source>Wypełnia obszar jednakowych klocków pod myszą bieżącym klockiem</source>
        <translation>Fills the area of equal tiles under the mouse with the current tile</translation>
    </message>
    <message>
        <source>Dodaje trafiony objekt do zaznaczenia albo go z niego usuwa</source>
        <translation>Adds the object hit to the selection or takes it out</translation>
    </message>
    <message>
        <source>Przeciągnięcie</source>
        <translation>Drag</translation>
    </message>
    <message>
        <source>Zaznacza prostokąt klocków (kliknięcie obok kasuje zaznaczenie)</source>
        <translation>Selects a rectangle of cells (a click elsewhere drops the selection)</translation>
    </message>
    <message>
        <source>Na objekcie przesuwa zaznaczone objekty, z Shift po siatce klocków; poza objektami zaznacza ramką każdy objekt, którego dotknie</source>
        <translation>On an object moves the selected objects, with Shift on the tile grid; on empty ground selects every object the band touches</translation>
    </message>
    <message>
        <source>Alt+przeciągnięcie</source>
        <translation>Alt+drag</translation>
    </message>
    <message>
        <source>Przesuwa zaznaczone klocki</source>
        <translation>Moves the selected cells</translation>
    </message>
    <message>
        <source>Jak przeciągnięcie</source>
        <translation>As a drag</translation>
    </message>
    <message>
        <source>Przeciągnięcie prawym</source>
        <translation>Right-drag</translation>
    </message>
    <message>
        <source>Maluje bieżącym obrazem każdy mijany klocek (Shift usuwa, Ctrl wypełnia kolorem); ze stemplem stawia stempel</source>
        <translation>Paints every cell the mouse crosses with the current image (Shift deletes, Ctrl fills with colour); with a stamp places the stamp</translation>
    </message>
    <message>
        <source>Ctrl+C, Ctrl+X, Ctrl+V, Esc</source>
        <translation>Ctrl+C, Ctrl+X, Ctrl+V, Esc</translation>
    </message>
    <message>
        <source>Kopiuje lub wycina zaznaczone klocki, robi ze schowka stempel, kończy stempel lub zaznaczenie</source>
        <translation>Copies or cuts the selected cells, turns the clipboard into a stamp, ends the stamp or the selection</translation>
    </message>
    <message>
        <source>Kopiuje, wycina i wkleja zaznaczony objekt</source>
        <translation>Copies, cuts and pastes the selected object</translation>
    </message>
</context>
</TS>
