#pragma once

#include "platform/cstring.h"

class CPropertyCollection;
class CQuorvelinProperty;
class CPropertyAttributes;
class CDefinitionLoadListener;

namespace xml {
class XmlReader;
}

// kestadvconfig.xml in the folder of the running executable.
CString DefinitionFilePath();

// Takes the XML attributes of the start tag the reader is on into the current
// property and attribute. 1 when the element has none or a duplicate Id
// stopped the reading, 0 when all were read, -1 on failure (also for
// "Default", "Id" or "Type" before the file's first "Attrib").
int ReadElementAttributes(CPropertyCollection* collection, xml::XmlReader* reader, CQuorvelinProperty* property,
                          CPropertyAttributes* attribute, CDefinitionLoadListener* listener = nullptr);
