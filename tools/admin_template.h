#pragma once

#include <string>

class CPropertyCollection;

// The administrative template of a definition file: the .admx (categories
// and policies) and its en-US .adml (texts and option layouts), UTF-8 XML.
// A category per property that holds a policy, under a root category
// "Quorvelin X8"; a User policy per Id whose attributes the dialog lets a
// user change: a drop-down of the row's choices whose item k writes what
// choosing k in that row and pressing OK writes, or a number box per
// number row. What no policy can hold is an XML comment that says why.
struct CAdminTemplates {
    std::string admx;
    std::string adml;
};

CAdminTemplates AdminTemplatesOf(const CPropertyCollection& collection);
