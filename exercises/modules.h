#pragma once
// Start-up and clean-up of the two exercise modules.
//
// Each exercise window (the worked example and the control task) owns one
// reference-formula object and one variable table.  They are created before
// any window exists and destroyed after the windows, in reverse order; in
// between the windows reach them through the accessors below.  An accessor
// called outside that span throws std::logic_error.
class TMyPacketEquation;
class TMyPacketData;

// Creates, for each exercise window, one TMyPacketEquation and one
// TMyPacketData.  A second call without doneExerciseModules in between does
// nothing.
void initExerciseModules();
// Destroys them (reverse order of creation).  Safe to call more than once.
void doneExerciseModules();

// True between initExerciseModules and doneExerciseModules.
bool exerciseModulesReady();

// The worked example's reference formula and variable table.
TMyPacketEquation& urEquation();
TMyPacketData& urData();

// The control task's reference formula and variable table.
TMyPacketEquation& kzsEquation();
TMyPacketData& kzsData();
