#pragma once

#include "core/Platform.h"

// The harness's input is a run of steps, each a BYTE naming what a reader
// reads next (the byte modulo the count of steps), then that in its archive
// form. The seed writer writes the same steps.
enum ArchiveFuzzOp : BYTE
{
    opCount,
    opString,
    opByte,
    opWord,
    opShort,
    opInt,
    opLongLong,
    opFloat,
    opDouble,
    opBool,
    opClass,
    opAnyObject,
    opNode,
    opObList,
    opObArray,
    opStringList,
    opStringArray,
    opDWordArray,
    opByteArray,
    opWordArray,
    opMapStringToString,
    opMapStringToOb,
    opMapWordToOb,
    opVariant,
    opDateTime,
    opTextLine,
    opStepCount
};
