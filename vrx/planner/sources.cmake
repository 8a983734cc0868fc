# The planner's window-free core, shared by the Windows build
# (CMakeLists.txt) and the native one (native.cmake).
set(VRX_PLANNER_CORE_SOURCES
  CVrxPAppointment.cpp
  CVrxPAppointmentBaseProperty.cpp
  CVrxPAppointmentBaseStorage.cpp
  CVrxPAppointmentPiece.cpp
  CVrxPAppointmentPieceList.cpp
  CVrxPAppointmentProperty.cpp
  CVrxPAppointmentPropertyImages.cpp
  CVrxPAppointmentPropertyList.cpp
  CVrxPAppointmentStorage.cpp
  CVrxPAppointmentTimeText.cpp
  CVrxPCalendarBar.cpp
  CVrxPPlannerView.cpp
  CVrxPRecurrence.cpp
  CVrxPRecurrenceBaseRule.cpp
  CVrxPRecurrenceRuleDaily.cpp
  CVrxPRecurrenceRuleMonthly.cpp
  CVrxPRecurrenceRuleRegistrator.cpp
  CVrxPRecurrenceRuleWeekly.cpp
  CVrxPRecurrenceRuleYearly.cpp
  CVrxPTimeLocale.cpp
  VrxPDayOfMonth.cpp
  VrxPPlannerArchive.cpp)

set(VRX_PLANNER_TEST_SOURCES
  tests/AppointmentTest.cpp
  tests/DateHelpersTest.cpp
  tests/PlannerArchiveTest.cpp
  tests/RecurrenceRulesTest.cpp
  tests/RecurrenceTest.cpp
  tests/StorageTest.cpp
  tests/PlannerTestSupport.cpp)
