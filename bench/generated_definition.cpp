#include "bench/generated_definition.h"

std::string GeneratedDefinitionFile(int properties, int attributesEach)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Quorvelin_Properties Name=\"Bench\">\n";
    for (int p = 0; p < properties; ++p) {
        xml += "  <Property Name=\"Свойство " + std::to_string(p) + "\">\n";
        for (int a = 0; a < attributesEach; ++a) {
            const int id = 1 + p * attributesEach + a;
            xml += "    <Attrib Id=\"" + std::to_string(id) + "\" Default=\"1\" Type=\"combobox\">Attribute " +
                   std::to_string(a) + "\n      <Desc>Описание параметра " + std::to_string(id) +
                   "</Desc>\n      <RegKey>Group" + std::to_string(p) + "</RegKey>\n      <RegItem>Value" +
                   std::to_string(a) + "</RegItem>\n      <Value>Нет</Value>\n      <Value>Да</Value>\n" +
                   "      <Value>Maybe</Value>\n    </Attrib>\n";
        }
        xml += "  </Property>\n";
    }
    return xml + "</Quorvelin_Properties>\n";
}
