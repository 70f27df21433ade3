// Keys for the map providers that need one. Copy this file to "map-keys.js" in the same
// folder (beside the map pages) and fill in your own keys; the player never ships one.
//   Google Maps JavaScript API: https://developers.google.com/maps/documentation/javascript/get-api-key
//   Baidu Maps JavaScript API (browser "ak"): https://lbsyun.baidu.com/
var WAYLUME_MAP_KEYS = {
  google: "",
  baidu: ""
};
