<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CareEffectTable</name>
    <message>
        <source>Я не хочу есть!</source>
        <translation>I&apos;m not hungry!</translation>
    </message>
    <message>
        <source>Спасибо!</source>
        <translation>Thank you!</translation>
    </message>
    <message>
        <source>Как вкусно! Спасибо!</source>
        <translation>Yummy! Thank you!</translation>
    </message>
    <message>
        <source>Большое спасибо!</source>
        <translation>Thank you so much!</translation>
    </message>
    <message>
        <source>Я не хочу пить!</source>
        <translation>I&apos;m not thirsty!</translation>
    </message>
    <message>
        <source>Вкусно! Спасибо!</source>
        <translation>Tasty! Thank you!</translation>
    </message>
    <message>
        <source>Я не хочу играть!</source>
        <translation>I don&apos;t want to play!</translation>
    </message>
    <message>
        <source>Эта игра просто класс!</source>
        <translation>This game is just great!</translation>
    </message>
    <message>
        <source>Круто!</source>
        <translation>Cool!</translation>
    </message>
    <message>
        <source>Супер!</source>
        <translation>Super!</translation>
    </message>
    <message>
        <source>Нормально!</source>
        <translation>Not bad!</translation>
    </message>
    <message>
        <source>Я не хочу спать!</source>
        <translation>I&apos;m not sleepy!</translation>
    </message>
    <message>
        <source>Я поспал!</source>
        <translation>What a lovely nap!</translation>
    </message>
    <message>
        <source>Я не болен!</source>
        <translation>I&apos;m not sick!</translation>
    </message>
    <message>
        <source>Как невкусно!</source>
        <translation>Yuck, that tastes awful!</translation>
    </message>
    <message>
        <source>Я не очень болен!</source>
        <translation>I&apos;m not that sick!</translation>
    </message>
    <message>
        <source>Как больно!</source>
        <translation>Ouch, that hurts!</translation>
    </message>
    <message>
        <source>Я не очень сильно болен!</source>
        <translation>I&apos;m not sick enough for that!</translation>
    </message>
    <message>
        <source>Мне намного лучше!</source>
        <translation>I feel much better!</translation>
    </message>
    <message>
        <source>Мне это не нужно!</source>
        <translation>I don&apos;t need that!</translation>
    </message>
</context>
<context>
    <name>ChoicePictures</name>
    <message>
        <source>Рыба</source>
        <translation>Fish</translation>
    </message>
    <message>
        <source>Сосиска</source>
        <translation>Sausage</translation>
    </message>
    <message>
        <source>Миска корма</source>
        <translation>Bowl of cat food</translation>
    </message>
    <message>
        <source>Пирожное</source>
        <translation>Cupcake</translation>
    </message>
    <message>
        <source>Молоко</source>
        <translation>Milk</translation>
    </message>
    <message>
        <source>Вода</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Сок</source>
        <translation>Juice</translation>
    </message>
    <message>
        <source>Какао</source>
        <translation>Cocoa</translation>
    </message>
    <message>
        <source>Мячик</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Клубок</source>
        <translation>Ball of yarn</translation>
    </message>
    <message>
        <source>Мышка на палочке</source>
        <translation>Mouse on a stick</translation>
    </message>
    <message>
        <source>Электронная игра</source>
        <translation>Handheld game</translation>
    </message>
    <message>
        <source>Луна: пора спать</source>
        <translation>Moon: time for bed</translation>
    </message>
    <message>
        <source>Ложка сиропа</source>
        <translation>Spoonful of syrup</translation>
    </message>
    <message>
        <source>Укол</source>
        <translation>Shot</translation>
    </message>
    <message>
        <source>Таблетки</source>
        <translation>Pills</translation>
    </message>
    <message>
        <source>Аптечка</source>
        <translation>First-aid kit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: pet [--help | --version] [параметры Qt]
</source>
        <translation>Usage: pet [--help | --version] [Qt options]
</translation>
    </message>
    <message>
        <source>Использование: pet [--help | --version] [параметры Qt]
Виртуальный питомец: чёрный кот в окне на рабочем столе.

  -h, --help   показать эту справку и выйти
  --version    показать версию и выйти

Программа понимает и общие параметры Qt, например -platform ИМЯ,
-display ДИСПЛЕЙ, -style СТИЛЬ, -session КОД. Подробнее: man pet.
</source>
        <translation>Usage: pet [--help | --version] [Qt options]
A virtual pet: a black cat in a window on your desktop.

  -h, --help   show this help and exit
  --version    show the version and exit

The program also understands Qt&apos;s common options, such as -platform NAME,
-display DISPLAY, -style STYLE, -session ID. More: man pet.
</translation>
    </message>
    <message>
        <source>Питомец %1
</source>
        <translation>Pitomets %1
</translation>
    </message>
    <message>
        <source>pet: неизвестный параметр «%1»
</source>
        <translation>pet: unknown option “%1”
</translation>
    </message>
</context>
<context>
    <name>Conversions</name>
    <message>
        <source>Текст «%1» не является числом.</source>
        <translation>The text “%1” is not a number.</translation>
    </message>
    <message>
        <source>Число «%1» слишком велико.</source>
        <translation>The number “%1” is too large.</translation>
    </message>
    <message>
        <source>Переполнение.</source>
        <translation>Overflow.</translation>
    </message>
</context>
<context>
    <name>DesktopEnd</name>
    <message>
        <source>pet: не удалось подключиться к графическому экрану. Питомцу нужен рабочий стол (X11 или Wayland); проверьте переменную DISPLAY или WAYLAND_DISPLAY.
</source>
        <translation>pet: cannot connect to a graphical display. The pet needs a desktop (X11 or Wayland); check the DISPLAY or WAYLAND_DISPLAY variable.
</translation>
    </message>
</context>
<context>
    <name>DesktopServices</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>FolderOwnerRights</name>
    <message>
        <source>Не удалось перейти к правам владельца папки «%1».</source>
        <translation>Could not switch to the rights of the owner of the folder “%1”.</translation>
    </message>
    <message>
        <source>Не удалось перейти к правам владельца папки «%1»: %2.</source>
        <translation>Could not switch to the rights of the owner of the folder “%1”: %2.</translation>
    </message>
</context>
<context>
    <name>FormRuntime</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Ошибка в программе! </source>
        <translation>Program error! </translation>
    </message>
    <message>
        <source>Не найден файл рисунка «%1».</source>
        <translation>The picture file “%1” was not found.</translation>
    </message>
    <message>
        <source>Не удалось прочитать рисунок «%1»: %2.</source>
        <translation>Could not read the picture “%1”: %2.</translation>
    </message>
    <message>
        <source>файл повреждён или это не рисунок</source>
        <translation>the file is damaged or is not a picture</translation>
    </message>
</context>
<context>
    <name>HintTexts</name>
    <message>
        <source>Чем больше это значение тем, ХУЖЕ!</source>
        <translation>The higher this value, the WORSE!</translation>
    </message>
    <message>
        <source>Чем больше это значение тем, ЛУЧШЕ!</source>
        <translation>The higher this value, the BETTER!</translation>
    </message>
    <message>
        <source>В днях. Ваш питомец живет 20 дней.</source>
        <translation>In days. Your pet lives for 20 days.</translation>
    </message>
    <message>
        <source>Накормить питомца</source>
        <translation>Feed your pet</translation>
    </message>
    <message>
        <source>Дать попить питомцу</source>
        <translation>Give your pet a drink</translation>
    </message>
    <message>
        <source>Поиграть с питомцем</source>
        <translation>Play with your pet</translation>
    </message>
    <message>
        <source>Выключить свет и дать поспать питомцу</source>
        <translation>Turn off the light and let your pet sleep</translation>
    </message>
    <message>
        <source>Вылечить питомца</source>
        <translation>Make your pet well</translation>
    </message>
    <message>
        <source>Данные о питомце (от 1 до 10)</source>
        <translation>Your pet&apos;s stats (from 1 to 10)</translation>
    </message>
    <message>
        <source>Это питомец</source>
        <translation>This is your pet</translation>
    </message>
</context>
<context>
    <name>PetFile</name>
    <message>
        <source>Не удалось открыть файл питомца «%1»: %2.</source>
        <translation>Could not open the pet file “%1”: %2.</translation>
    </message>
    <message>
        <source>Не удалось записать файл питомца «%1»: %2.</source>
        <translation>Could not write the pet file “%1”: %2.</translation>
    </message>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is write-protected</translation>
    </message>
    <message>
        <source>Не найден файл питомца «%1».</source>
        <translation>The pet file “%1” was not found.</translation>
    </message>
    <message>
        <source>нет папки %1</source>
        <translation>there is no folder %1</translation>
    </message>
    <message>
        <source>Не удалось прочитать файл питомца «%1»: %2.</source>
        <translation>Could not read the pet file “%1”: %2.</translation>
    </message>
    <message>
        <source>Файл питомца «%1» записан, но, возможно, не сохранён на диске: %2.</source>
        <translation>The pet file “%1” was written but may not be safely on disk: %2.</translation>
    </message>
</context>
<context>
    <name>PetFileBackup</name>
    <message>
        <source>копий уже %1, удалите ненужные</source>
        <translation>there are already %1 copies; delete the ones you no longer need</translation>
    </message>
    <message>
        <source>файл больше 1 МиБ</source>
        <translation>the file is larger than 1 MiB</translation>
    </message>
    <message>
        <source>Файл питомца «%1» оставлен как есть, чтобы он не пропал: при запуске его не удалось прочитать, а сохранить его копию не удалось (%2).</source>
        <translation>The pet file “%1” has been left as it is so that it is not lost: it could not be read at start-up, and a copy of it could not be saved (%2).</translation>
    </message>
    <message>
        <source>нет прав владельца папки</source>
        <translation>the rights of the folder&apos;s owner could not be taken</translation>
    </message>
    <message>
        <source>Копию файла питомца сделать не удалось (%1), поэтому при закрытии окна он останется как есть.</source>
        <translation>No copy of the pet file could be made (%1), so closing the window will leave it as it is.</translation>
    </message>
    <message>
        <source>Прежний файл питомца сохранён как «%1».</source>
        <translation>The pet file as it was is kept as “%1”.</translation>
    </message>
</context>
<context>
    <name>PetLock</name>
    <message>
        <source>Питомец</source>
        <translation>Pitomets</translation>
    </message>
    <message>
        <source>Питомец уже открыт в другом окне. Закройте то окно, чтобы открыть это.</source>
        <translation>Your pet is already open in another window. Close that window to open this one.</translation>
    </message>
</context>
<context>
    <name>PetRecord</name>
    <message>
        <source>Файл питомца кончился раньше времени: прочитано полей %1 из %2.</source>
        <translation>The pet file ended too early: %1 of %2 fields were read.</translation>
    </message>
    <message>
        <source>В файле питомца слишком длинное поле.</source>
        <translation>The pet file has a field that is too long.</translation>
    </message>
    <message>
        <source>Текст «%1» нельзя записать в кодировке Windows-1251.</source>
        <translation>The text “%1” cannot be written in the Windows-1251 code page.</translation>
    </message>
</context>
<context>
    <name>SavedOn</name>
    <message>
        <source>Текст «%1» не является датой.</source>
        <translation>The text “%1” is not a date.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>Мне очень жаль, но Ваш питомец умер из-за старости :-((((((. Хотите завести нового?</source>
        <translation>I&apos;m so sorry, but your pet has died of old age :-((((((. Would you like to get a new one?</translation>
    </message>
    <message>
        <source>Мне очень жаль, но Ваш питомец погиб :-((((((. Хотите завести нового?</source>
        <translation>I&apos;m so sorry, but your pet has died :-((((((. Would you like to get a new one?</translation>
    </message>
</context>
<context>
    <name>SystemErrorText</name>
    <message>
        <source>это не обычный файл</source>
        <translation>this is not a regular file</translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>there is no such file or folder</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>файловая система доступна только для чтения</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>на диске не осталось места</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>это папка, а не файл</source>
        <translation>this is a folder, not a file</translation>
    </message>
    <message>
        <source>часть пути — не папка</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>слишком много ссылок</source>
        <translation>too many links</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>системная ошибка номер %1</source>
        <translation>system error number %1</translation>
    </message>
</context>
<context>
    <name>SystemSound</name>
    <message>
        <source>Питомец</source>
        <translation>Pitomets</translation>
    </message>
    <message>
        <source>Писк игрушки</source>
        <translation>Toy squeak</translation>
    </message>
</context>
<context>
    <name>frmForm</name>
    <message>
        <source>Кушать</source>
        <translation>Eat</translation>
    </message>
    <message>
        <source>Пить</source>
        <translation>Drink</translation>
    </message>
    <message>
        <source>Играть</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>Спать</source>
        <translation>Sleep</translation>
    </message>
    <message>
        <source>Лечить</source>
        <translation>Treat</translation>
    </message>
    <message>
        <source>Данные</source>
        <translation>Stats</translation>
    </message>
    <message>
        <source>Возраст:</source>
        <translation>Age:</translation>
    </message>
    <message>
        <source>Возраст</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Питомец</source>
        <translation>Pet</translation>
    </message>
    <message>
        <source>Голод:</source>
        <translation>Hunger:</translation>
    </message>
    <message>
        <source>Жажда:</source>
        <translation>Thirst:</translation>
    </message>
    <message>
        <source>Настроение:</source>
        <translation>Mood:</translation>
    </message>
    <message>
        <source>Сонливость:</source>
        <translation>Sleepiness:</translation>
    </message>
    <message>
        <source>Здоровье:</source>
        <translation>Health:</translation>
    </message>
    <message>
        <source>Голод</source>
        <translation>Hunger</translation>
    </message>
    <message>
        <source>Жажда</source>
        <translation>Thirst</translation>
    </message>
    <message>
        <source>Настроение</source>
        <translation>Mood</translation>
    </message>
    <message>
        <source>Сонливость</source>
        <translation>Sleepiness</translation>
    </message>
    <message>
        <source>Здоровье</source>
        <translation>Health</translation>
    </message>
</context>
</TS>
