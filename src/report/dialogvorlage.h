#pragma once
// Dialog templates in the binary form of the Windows resources, plain and extended. Table layouts
// of the report pages are written as readable control tables, turned into template bytes by
// BaueDialogVorlage and read back control by control with LeseDialogElement.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A template as it lies in memory; an empty span stands for a template that was not found.
using DialogVorlage = std::span<const std::uint8_t>;

// Alignment styles of a static control.
constexpr std::uint32_t SS_LEFT = 0x0;
constexpr std::uint32_t SS_CENTER = 0x1;
constexpr std::uint32_t SS_RIGHT = 0x2;

struct VorlagenElement
{
    int id = 0;
    std::int16_t x = 0;
    std::int16_t y = 0;
    std::int16_t cx = 0;
    std::int16_t cy = 0;
    std::string text{}; // caption in Windows-1252
    std::uint32_t style = SS_LEFT;
    std::uint32_t exStyle = 0;
    // A caption given as a resource number (an icon, say) instead of a text.
    std::optional<std::uint16_t> titelNummer{};
    // Window class by name; empty for the predefined static class.
    std::string klasse{};
    // Creation data handed to the control; the reader skips it.
    std::vector<std::uint8_t> daten{};
};

enum class VorlagenForm
{
    Einfach,
    Erweitert
};

std::vector<std::uint8_t> BaueDialogVorlage(const std::vector<VorlagenElement>& elemente,
                                            VorlagenForm form = VorlagenForm::Erweitert);

// Finds the first control with the id and reads everything but its class and creation data. False
// when there is no template, no such control, or the bytes end or contradict themselves before the
// control is read.
bool LeseDialogElement(DialogVorlage vorlage, int id, VorlagenElement& element);

// The caption of the control with the id; "" when the template has no such control.
std::string HoleDialogText(DialogVorlage vorlage, int id);
