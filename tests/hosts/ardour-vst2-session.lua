-- Headless Ardour with the dummy backend: adds the VST2 build to a track, rolls, saves,
-- closes, reloads, saves again, and compares the plug-in's state chunk in both snapshots.
local dir = os.getenv ("CORVANE_SESSION_DIR")
local function chunk_of (file)
  local f = assert (io.open (file, "r"))
  local text = f:read ("a")
  f:close ()
  return text:match ('<chunk program="0">([^<]+)</chunk>')
end

AudioEngine:set_backend ("None (Dummy)", "", "")
AudioEngine:start (false)
local s = create_session (dir, "corvane", 48000)
local t = s:new_audio_track (2, 2, nil, 1, "Library", ARDOUR.PresentationInfo.max_order, ARDOUR.TrackMode.Normal, true, false):front ()
local p = ARDOUR.LuaAPI.new_plugin (s, "Corvane", ARDOUR.PluginType.LXVST, "")
assert (not p:isnil (), "the VST2 plug-in was not found")
assert (t:add_processor_by_index (p, 0, nil, true) == 0, "the plug-in could not be added")
s:request_roll (ARDOUR.TransportRequestSource.TRS_UI)
ARDOUR.LuaAPI.usleep (1000000)
local rolled = s:transport_sample ()
s:request_stop (false, false, ARDOUR.TransportRequestSource.TRS_UI)
ARDOUR.LuaAPI.usleep (200000)
assert (rolled > 0, "the transport did not roll")
s:save_state ("", false, false, false, false, false)
close_session ()

local s2 = load_session (dir, "corvane")
local found = false
for r in s2:get_routes ():iter () do
  if not r:nth_plugin (0):isnil () and r:nth_plugin (0):display_name () == "Corvane" then found = true end
end
assert (found, "the plug-in is missing after reloading")
s2:save_state ("reloaded", false, false, false, false, false)
close_session ()

local before, after = chunk_of (dir .. "/corvane.ardour"), chunk_of (dir .. "/reloaded.ardour")
assert (before ~= nil and before == after, "the state chunk changed across save and reload")
print ("ardour: rolled " .. rolled .. " samples, saved and reloaded with the same state")
