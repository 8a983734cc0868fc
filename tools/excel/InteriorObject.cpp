#include "InteriorObject.h"
#include "DispatchIds.h"

namespace {

const DispatchMember kMembers[] = {
  {L"ColorIndex", kDispidColorIndex},
};

}

InteriorObject::InteriorObject(std::shared_ptr<OpenWorkbook> workbook)
  : DispatchObject(kMembers), workbook_(std::move(workbook))
{
}

void InteriorObject::invoke_member(DISPID, bool put, const DispatchArguments& arguments, VARIANT&)
{
  require_open(*workbook_);
  if (!put)
    refuse_call();
  arguments.expect(0, 0);
  DispatchArguments::to_long(arguments.put_value(), arguments.count());
}
