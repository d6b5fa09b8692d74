#include "model/catalogue.h"

#include <algorithm>
#include <array>

#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr std::array<CatalogueEntry, 66> kCatalogue{{
    {1, "Простое соединение", 0},
    {2, "Правый поворот", 0},
    {3, "Левый поворот", 0},
    {4, "Пересечение", 0},
    {5, "Разветвление1", 0},
    {6, "Разветвление2", 0},
    {7, "Разветвление3", 0},
    {8, "Разветвление4", 0},
    {9, "Сумматор1", 0},
    {10, "Сумматор2", 0},
    {11, "Сумматор3", 0},
    {12, "Сумматор4", 0},
    {13, "Вычитание1", 0},
    {14, "Вычитание2", 0},
    {15, "Вычитание3", 0},
    {16, "Вычитание4", 0},
    {17, "Вычитание5", 0},
    {18, "Умножитель1", 0},
    {19, "Умножитель2", 0},
    {20, "Умножитель3", 0},
    {100, "Синусоидальный сигнал", 2},
    {101, "Ступенчатый сигнал", 2},
    {102, "Линейный нарастающий сигнал", 2},
    {103, "Гармонический сигнал", 3},
    {104, "Прямоугольный импульс", 3},
    {105, "Пилообразные положительные импульсы", 2},
    {106, "Меандр", 2},
    {107, "Пакет прямоугольных импульсов", 5},
    {108, "Пилообразные импульсы", 2},
    {109, "Белый шум", 1},
    {110, "Последовательность прямоугольных импульсов", 3},
    {111, "Треугольные импульсы", 3},
    {112, "Генератор качающейся частоты", 5},
    {113, "Нулевой сигнал", 0},
    {200, "Пропорциональное звено", 1},
    {201, "Интегрирующее звено", 2},
    {202, "Дифференцирующее звено", 1},
    {203, "Звено чистого запаздывания", 1},
    {204, "Апериодическое (инерционное) звено 1-го порядка", 3},
    {205, "Форсирующее звено 1-го порядка", 2},
    {206, "Реальное дифференцирующее звено", 3},
    {207, "Интегро-дифференцирующее звено", 4},
    {208, "Реальное интегрирующее звено", 4},
    {209, "Консервативное звено 2-го порядка", 4},
    {210, "Инерционное звено 2-го порядка", 5},
    {211, "Колебательное звено 2-го порядка", 5},
    {212, "Звено общего вида", 7},
    {213, "Пропорционально-интегрально-дифференциальный регулятор", 4},
    {214, "Пропорционально-интегрально-дифференциальный регулятор", 4},
    {300, "Ограничитель", 3},
    {301, "Нечувствительность", 3},
    {302, "Ограничитель и нечувствительность", 5},
    {303, "Люфт", 3},
    {304, "Люфт и ограничитель", 5},
    {305, "Двухпозиционное реле", 2},
    {306, "Трёхпозиционное реле", 4},
    {307, "Двухпозиционное реле с гистерезисом", 5},
    {308, "Трёхпозиционное реле с гистерезисом", 5},
    {500, "Возведение в квадрат", 0},
    {501, "Квадратный корень из модуля", 0},
    {502, "Обратная величина", 0},
    {503, "Возведение в степень а", 1},
    {504, "Синус", 0},
    {505, "Косинус", 0},
    {506, "Экспонента exp(ax)", 1},
    {507, "Натуральный логарифм", 0},
}};

constexpr std::array<LibraryRange, 6> kLibraryRanges{{
    {"Соединения", 1, 99, 20},
    {"Источники сигнала", 100, 199, 14},
    {"Линейные элементы", 200, 299, 15},
    {"Нелинейные элементы", 300, 399, 9},
    {"", 400, 499, 0},
    {"Функции", 500, 599, 8},
}};

const CatalogueEntry* Find(int code) {
  auto it = std::lower_bound(kCatalogue.begin(), kCatalogue.end(), code,
                             [](const CatalogueEntry& e, int c) { return e.code < c; });
  return (it != kCatalogue.end() && it->code == code) ? &*it : nullptr;
}

}  // namespace

std::span<const CatalogueEntry> Catalogue() {
  return kCatalogue;
}

std::span<const LibraryRange> LibraryRanges() {
  return kLibraryRanges;
}

bool IsCatalogueCode(int code) {
  return Find(code) != nullptr;
}

std::string ElementName(int code) {
  if (code == 0) return "Параметры интегрирования";
  const CatalogueEntry* entry = Find(code);
  return entry ? std::string(entry->name) : "Имя отсутствует";
}

int GroupOf(int code) {
  if (code > 199) return (code / 100) * 10 + 1;
  if (code >= 100) return code == kSweepGeneratorCode ? kGroupSweepGenerator : kGroupSource;
  if (code >= 1 && code <= 4) return kGroupWire;
  if (code >= 5 && code <= 8) return kGroupFork;
  if (code >= 9 && code <= 17) return kGroupSummator;
  if (code >= 18 && code <= 20) return kGroupMultiplier;
  return 0;
}

int GroupCode(int code, Messenger& messenger) {
  const int group = GroupOf(code);
  if (group <= 0 || group > kGroupFunctional) {
    messenger.Show("Error: Неверное значение кода группы элементов!");
  }
  return group;
}

int CatalogueParamCount(int code, Messenger& messenger) {
  if (code <= 0) {
    messenger.Show("Не задан код элемента " + std::to_string(code) + ".");
    return 0;
  }
  const CatalogueEntry* entry = Find(code);
  return entry ? entry->param_count : 0;
}

}  // namespace kortiv
