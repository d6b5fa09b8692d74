#include "ui/command_table.h"

#include <array>

namespace kortiv {
namespace {

enum Menu : int { kFile, kEditor, kAssign, kExecute, kSettings, kWindow, kHelp };

constexpr std::array<const char*, 7> kMenuCaptions{
    "&Файл", "&Редактор", "&Назначить", "&Выполнить", "На&стройки", "&Окно", "&Помощь",
};

constexpr CommandEntry Separator(int menu) {
  return {nullptr, nullptr, nullptr, nullptr, nullptr, menu};
}

constexpr std::array kCommands{
    CommandEntry{"mnuNew", "Новый", "bitNew", "Новая схема", "Ctrl+N", kFile},
    CommandEntry{"mnuOpen", "Открыть", "bitOpen", "Открыть файл со схемой", "Ctrl+O", kFile},
    CommandEntry{"mnuClose", "Закрыть", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuSave", "Сохранить модель", "bitSave", "Сохранить текущую схему", "Ctrl+S",
                 kFile},
    CommandEntry{"mnuSaveAs", "Сохранить модель как ...", nullptr, nullptr, "", kFile},
    Separator(kFile),
    CommandEntry{"mnuSavePicture", "Сохранить графики", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuSaveSchema", "Сохранить рисунок схемы", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuSaveData", "Сохранить результаты расчёта", nullptr, nullptr, "", kFile},
    Separator(kFile),
    CommandEntry{"mnuPrnModel", "Печать схемы и параметров модели", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuPrnGraphik", "Печать графиков", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuPrnData", "Печать результатов расчёта", nullptr, nullptr, "", kFile},
    CommandEntry{"mnuPrinter", "Свойства принтера", nullptr, nullptr, "", kFile},
    Separator(kFile),
    CommandEntry{"mnuExit", "Выход", nullptr, nullptr, "Ctrl+Q", kFile},

    CommandEntry{"mnuUndo", "Отменить", "bitUndo", "Отменить последнее изменение схемы", "Ctrl+Z",
                 kEditor},
    CommandEntry{"mnuRedo", "Повторить", "bitRedo", "Повторить отменённое изменение схемы",
                 "Ctrl+Shift+Z;Ctrl+Y", kEditor},
    Separator(kEditor),
    CommandEntry{"mnuCut", "Вырезать", "bitCut", "Вырезать выделенный элемент", "Ctrl+X", kEditor},
    CommandEntry{"mnuCopy", "Копировать", "bitCopy", "Скопировать выделенный элемент", "Ctrl+C",
                 kEditor},
    CommandEntry{"mnuPaste", "Вставить", "bitPaste", "Вставить скопированный элемент", "Ctrl+V",
                 kEditor},
    CommandEntry{"mnuDel", "Удалить", "bitDel", "Удалить выделенный элемент", "Del", kEditor},
    CommandEntry{"mnuDelAll", "Удалить всё", "bitDelAll", "Удалить все элементы", "Ctrl+Del",
                 kEditor},
    Separator(kEditor),
    CommandEntry{"mnuRotRight", "Повернуть по часовой", "bitRotRight",
                 "Повернуть по часовой стрелке на 90 градусов выделенный элемент", "Ctrl+J",
                 kEditor},
    CommandEntry{"mnuRotLeft", "Повернуть против часовой", "bitRotLeft",
                 "Повернуть против часовой стрелке на 90 градусов выделенный элемент", "Ctrl+L",
                 kEditor},
    CommandEntry{"mnuRot180", "Развернуть", "bitRot180",
                 "Развернуть на 180 градусов выделенный элемент", "Ctrl+K", kEditor},

    CommandEntry{"mnuViewPoint", "Контрольная точка", nullptr, nullptr, "Ctrl+P", kAssign},
    CommandEntry{"mnuParamMod", "Параметры элемента", "bitParamMod",
                 "Задать параметры выделенного элемента", "Ctrl+E", kAssign},
    CommandEntry{"mnuParamIntegr", "Параметры интегрирования", "bitParamIntegr",
                 "Задать параметры интегрирования модели", "Ctrl+I", kAssign},
    CommandEntry{"mnuNameModel", "Название модели", nullptr, nullptr, "", kAssign},

    CommandEntry{"mnuCheck", "Проверка схемы", "bitCheck", "Проверить схему", "Ctrl+H", kExecute},
    CommandEntry{"mnuRun", "Расчёт", "bitRun", "Выполнить расчёт", "Ctrl+R", kExecute},
    CommandEntry{"mnuPortret", "Фазовый портрет", "bitPortret", "Построить фазовый портрет", "",
                 kExecute},

    CommandEntry{"LanguageMnu", "Язык/Language", nullptr, nullptr, "", kSettings},
    CommandEntry{"OptCustMnu", "Пользователя", nullptr, nullptr, "", kSettings},

    CommandEntry{"mnuLibraryWin", "Библиотеки", nullptr, nullptr, "", kWindow},
    CommandEntry{"mnuEditWin", "Редактор", nullptr, nullptr, "", kWindow},
    CommandEntry{"mnuPlotWin", "Графики", nullptr, nullptr, "", kWindow},
    CommandEntry{"mnuTableWin", "Таблица", nullptr, nullptr, "", kWindow},

    CommandEntry{"mnuListHelp", "Справка", "bitHelp", "Помощь", "F1", kHelp},
    CommandEntry{"mnuFindHelp", "Поиск темы ", nullptr, nullptr, "F2", kHelp},
    CommandEntry{"AboutHelpMnu", "О программе", "bitAbout", "О программе", "F3", kHelp},
};

constexpr std::array<const char*, 26> kToolButtons{
    "mnuNew",  "mnuOpen",    "mnuSave", nullptr,       "mnuCut",         "mnuCopy",   "mnuPaste",
    "mnuDel",  "mnuDelAll",  nullptr,   "mnuRotRight", "mnuRotLeft",     "mnuRot180", nullptr,
    "mnuUndo", "mnuRedo",    nullptr,   "mnuParamMod", "mnuParamIntegr", nullptr,     "mnuCheck",
    "mnuRun",  "mnuPortret", nullptr,   "mnuListHelp", "AboutHelpMnu",
};

}  // namespace

std::span<const char* const> MenuCaptions() {
  return kMenuCaptions;
}

std::span<const CommandEntry> Commands() {
  return kCommands;
}

std::span<const char* const> ToolButtonCommands() {
  return kToolButtons;
}

}  // namespace kortiv
