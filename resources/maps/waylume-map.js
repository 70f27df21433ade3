// Shared by the three map pages. The player drives a page only through the global
// functions below; the page keeps what it was told (the track, the points added during
// playback, the current point) and hands it to whichever map draws it: the provider's
// own map when its script can be reached, otherwise Leaflet on a plain background with a
// lat/lon grid, a scale and a one-line notice saying why.
(function (global) {
  'use strict';

  var calls = [];                 // every call received, as text, for tests and diagnosis
  var model = { track: [], points: [], current: null, center: null, events: [] };
  var backend = null;
  var incoming = null;            // the track being received point by point
  var incomingCount = 0;
  var noticeKind = '';

  function log(name, args) {
    calls.push(name + '(' + Array.prototype.join.call(args, ', ') + ')');
  }

  function isNeutral(lng, lat) { return lng === 0 && lat === 0; }
  function isPlace(point) {
    return point && isFinite(point[0]) && isFinite(point[1]) && !isNeutral(point[0], point[1]);
  }

  // The player sends a track point for every second, 0, 0 for a second without a position
  // (a camera parked with the GPS asleep logs a fix every few seconds). Those seconds are
  // gaps: the runs of positions between them are drawn as lines of their own.
  function trackRuns(points) {
    var runs = [], run = [];
    for (var i = 0; i < points.length; ++i) {
      if (isPlace(points[i])) {
        run.push(points[i]);
      } else if (run.length) {
        runs.push(run);
        run = [];
      }
    }
    if (run.length) runs.push(run);
    return runs;
  }

  // The player's one entry point, through Qt's web channel when the page runs in the player.
  var seekTarget = null;
  if (global.qt && global.qt.webChannelTransport && typeof global.QWebChannel === 'function') {
    new global.QWebChannel(global.qt.webChannelTransport, function (channel) {
      seekTarget = channel.objects.trackSeek || null;
    });
  }

  function requestSeek(index) {
    log('requestSeek', [index]);
    if (seekTarget) seekTarget.seekToTrackPoint(index);
  }

  function params() {
    var query = new URLSearchParams(global.location.search);
    return {
      language: query.get('language') || '',
      lng: parseFloat(query.get('lng')),
      lat: parseFloat(query.get('lat')),
      tiles: query.get('tiles') || ''
    };
  }

  // ---- the functions the player calls ----

  global.mapClearAll = function () {
    log('mapClearAll', arguments);
    model.track = [];
    model.points = [];
    model.current = null;
    model.events = [];
    incoming = null;
    if (backend) backend.clear();
    if (backend && backend.setEvents) backend.setEvents([]);
  };

  // The moments found in the drive: [[lng, lat, label], ...]. Drawn by the backends that
  // know how (the plain drawing and OpenStreetMap); the others leave them out.
  global.mapSetEventMarks = function (marks) {
    log('mapSetEventMarks', [JSON.stringify(marks)]);
    model.events = (marks || []).filter(function (m) {
      return m && isFinite(m[0]) && isFinite(m[1]) && !isNeutral(m[0], m[1]);
    });
    if (backend && backend.setEvents) backend.setEvents(model.events);
  };

  global.mapAddPoint = function (lng, lat, index) {
    log('mapAddPoint', arguments);
    model.points.push([lng, lat]);
    if (!isPlace([lng, lat])) {
      if (backend && backend.addGap) backend.addGap();
      return;
    }
    model.current = [lng, lat, index];
    if (backend) backend.addPoint(lng, lat, index);
  };

  global.mapSetCurrentPoint = function (lng, lat, index) {
    log('mapSetCurrentPoint', arguments);
    if (!isPlace([lng, lat])) return;
    model.current = [lng, lat, index];
    if (backend) backend.setCurrent(lng, lat, index);
  };

  global.setCenter = function (lng, lat) {
    log('setCenter', arguments);
    // 0, 0 is what the player sends while it knows no position: keep the page's own centre.
    if (isNeutral(lng, lat)) return;
    model.center = [lng, lat];
    if (backend) backend.center(lng, lat);
  };

  // The whole track arrives one call per point; it is drawn once, when the last point is in.
  function receiveTrackPoint(lng, lat, position, count) {
    log('loadAllGpsDataOfVideo', arguments);
    if (position === 0 || incoming === null || incoming.length !== count) {
      incoming = new Array(count);
      incomingCount = 0;
    }
    if (position < 0 || position >= count || incoming[position] !== undefined) return;
    incoming[position] = [lng, lat];
    if (++incomingCount === count) {
      model.track = incoming;
      incoming = null;
      if (backend) backend.setTrack(model.track);
    }
  }

  // ---- plain drawing with Leaflet ----

  // The smallest round step whose lines lie at least minPixels apart.
  function niceStep(degrees, pixels, minPixels) {
    var steps = [1e-4, 2e-4, 5e-4, 1e-3, 2e-3, 5e-3, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1, 2, 5,
                 10, 15, 30, 45];
    var perDegree = pixels / Math.max(degrees, 1e-9);
    for (var i = 0; i < steps.length; ++i) {
      if (steps[i] * perDegree >= minPixels) return steps[i];
    }
    return 90;
  }

  function decimalsFor(step) {
    return step >= 1 ? 0 : Math.min(6, Math.ceil(-Math.log10(step) - 1e-9));
  }

  function addGrid(map) {
    var layer = L.layerGroup().addTo(map);
    function redraw() {
      layer.clearLayers();
      var b = map.getBounds();
      var south = Math.max(b.getSouth(), -85), north = Math.min(b.getNorth(), 85);
      var west = b.getWest(), east = b.getEast();
      var size = map.getSize();
      var latStep = niceStep(north - south, size.y, 45);
      var lngStep = niceStep(east - west, size.x, 80);
      var style = { color: '#9aa3ad', weight: 1, opacity: 0.7, interactive: false };
      function label(text, latlng, cls) {
        L.marker(latlng, {
          interactive: false, keyboard: false,
          icon: L.divIcon({ className: 'grid-label ' + cls, html: text, iconSize: null })
        }).addTo(layer);
      }
      for (var lat = Math.ceil(south / latStep) * latStep; lat <= north; lat += latStep) {
        L.polyline([[lat, west], [lat, east]], style).addTo(layer);
        label(Math.abs(lat).toFixed(decimalsFor(latStep)) + '°' + (lat < 0 ? 'S' : 'N'),
              [lat, east], 'lat');
      }
      for (var lng = Math.ceil(west / lngStep) * lngStep; lng <= east; lng += lngStep) {
        L.polyline([[south, lng], [north, lng]], style).addTo(layer);
        label(Math.abs(lng).toFixed(decimalsFor(lngStep)) + '°' + (lng < 0 ? 'W' : 'E'),
              [north, lng], 'lng');
      }
    }
    map.on('moveend zoomend resize', redraw);
    redraw();
    return {
      remove: function () {
        map.off('moveend zoomend resize', redraw);
        map.removeLayer(layer);
      }
    };
  }

  // options: { tiles: URL template or '', attribution, onTilesFailed, onTilesBack,
  //            retryMs: first wait before asking for tiles again (doubled each time) }
  function leafletBackend(element, centre, options) {
    var map = L.map(element, { preferCanvas: true, zoomControl: true,
                               attributionControl: !!options.tiles, worldCopyJump: false });
    map.setView([centre[1], centre[0]], 13);
    L.control.scale({ position: 'bottomleft' }).addTo(map);
    var tiles = null, grid = null;
    var retryMs = options.retryMs || 5000, RetryMaxMs = 5 * 60 * 1000;
    var attempt = 0;

    function plain() {
      element.classList.add('plain');
      if (!grid) grid = addGrid(map);
    }

    function unplain() {
      element.classList.remove('plain');
      if (grid) { grid.remove(); grid = null; }
    }

    // One try at the tiles: the first tile that arrives brings the map back; an error or
    // silence before that leaves the plain drawing and tries again later, each wait twice
    // the last. The track, the played line and the marker are layers of their own and are
    // never touched. Only the tiles of the view on screen are asked for (Leaflet's own
    // keepBuffer), never a prefetch, as the tile servers' usage policies ask.
    function tryTiles() {
      var mine = ++attempt, loaded = false;
      var layer = L.tileLayer(options.tiles, { maxZoom: 19, attribution: options.attribution });
      function failed() {
        if (loaded || mine !== attempt) return;
        ++attempt;
        map.removeLayer(layer);
        if (tiles === layer) tiles = null;
        if (!element.classList.contains('plain')) { plain(); options.onTilesFailed(); }
        var wait = retryMs;
        retryMs = Math.min(retryMs * 2, RetryMaxMs);
        setTimeout(tryTiles, wait);
      }
      layer.on('tileload', function () {
        if (loaded || mine !== attempt) return;
        loaded = true;
        if (element.classList.contains('plain')) {
          unplain();
          if (options.onTilesBack) options.onTilesBack();
        }
      });
      layer.on('tileerror', failed);
      // Tiles that fail once the map is up (the connection dropped, then the view moved)
      // are asked for again the same way; those already shown come from the cache.
      var redrawPending = false, roundErrors = 0;
      layer.on('tileerror', function () {
        if (!loaded || mine !== attempt) return;
        ++roundErrors;
        if (redrawPending) return;
        redrawPending = true;
        var wait = retryMs;
        retryMs = Math.min(retryMs * 2, RetryMaxMs);
        setTimeout(function () {
          redrawPending = false;
          if (tiles === layer) layer.redraw();
        }, wait);
      });
      layer.on('load', function () {
        if (loaded && roundErrors === 0) retryMs = options.retryMs || 5000;
        roundErrors = 0;
      });
      tiles = layer;
      layer.addTo(map);
      // A resolver that never answers gives no error either.
      setTimeout(failed, 8000);
    }

    if (options.tiles) tryTiles();
    else plain();

    var trackLine = L.polyline([], { color: '#1f6fd1', weight: 3, opacity: 0.85 }).addTo(map);
    var playedLine = L.polyline([], { color: '#e4412b', weight: 4 }).addTo(map);
    var marker = L.circleMarker([0, 0], { radius: 6, color: '#ffffff', weight: 2,
                                          fillColor: '#e4412b', fillOpacity: 1 });
    var eventLayer = L.layerGroup().addTo(map);
    var playedGap = false;

    // A click within a finger's width of the drawn track jumps to its nearest point.
    var SeekReach = 24;
    map.on('click', function (event) {
      var track = model.track;
      if (!trackLine.getLatLngs().length) return;
      var click = map.latLngToContainerPoint(event.latlng);
      var best = -1, bestDistance = Infinity;
      for (var i = 0; i < track.length; ++i) {
        if (!isPlace(track[i])) continue;
        var distance = map.latLngToContainerPoint([track[i][1], track[i][0]]).distanceTo(click);
        if (distance < bestDistance) { bestDistance = distance; best = i; }
      }
      if (best >= 0 && bestDistance <= SeekReach) requestSeek(best);
    });

    function follow(latlng) {
      marker.setLatLng(latlng);
      if (!map.hasLayer(marker)) marker.addTo(map);
      if (!map.getBounds().pad(-0.2).contains(latlng)) map.panTo(latlng, { animate: false });
    }

    return {
      name: 'leaflet',
      map: map,
      clear: function () {
        trackLine.setLatLngs([]);
        playedLine.setLatLngs([]);
        playedGap = false;
        map.removeLayer(marker);
      },
      addPoint: function (lng, lat) {
        var runs = playedLine.getLatLngs();
        if (playedGap || !runs.length) runs.push([]);
        playedGap = false;
        runs[runs.length - 1].push(L.latLng(lat, lng));
        playedLine.setLatLngs(runs);
        follow([lat, lng]);
      },
      addGap: function () { playedGap = true; },
      setCurrent: function (lng, lat) { follow([lat, lng]); },
      center: function (lng, lat) { map.panTo([lat, lng], { animate: false }); },
      setTrack: function (points) {
        var runs = trackRuns(points).map(function (run) {
          return run.map(function (q) { return [q[1], q[0]]; });
        });
        trackLine.setLatLngs(runs);
        if (runs.length) map.fitBounds(trackLine.getBounds(), { padding: [24, 24], maxZoom: 17, animate: false });
      },
      trackLength: function () {
        return trackLine.getLatLngs().reduce(function (n, run) { return n + run.length; }, 0);
      },
      trackRuns: function () { return trackLine.getLatLngs().length; },
      trackBounds: function () {
        if (!trackLine.getLatLngs().length) return null;
        var b = trackLine.getBounds();
        return [b.getSouth(), b.getWest(), b.getNorth(), b.getEast()];
      },
      trackPoint: function (index) {
        var q = model.track[index];
        var p = map.latLngToContainerPoint([q[1], q[0]]);
        return [Math.round(p.x), Math.round(p.y)];
      },
      setEvents: function (marks) {
        eventLayer.clearLayers();
        for (var i = 0; i < marks.length; ++i) {
          L.circleMarker([marks[i][1], marks[i][0]], { radius: 8, color: '#202020', weight: 2,
                                                      fillColor: '#ffb000', fillOpacity: 1 })
            .bindTooltip(String(marks[i][2] || ''), { permanent: true, direction: 'top',
                                                      offset: [0, -8] })
            .addTo(eventLayer);
        }
      },
      isPlain: function () { return element.classList.contains('plain'); }
    };
  }

  // ---- notices, in the language the page was given or the engine's own ----

  var notices = {
    offline: {
      en: 'No connection to the map service',
      zh: '无法连接地图服务',
      'zh-TW': '無法連線地圖服務',
      fr: 'Pas de connexion au service de cartes',
      it: 'Nessuna connessione al servizio mappe',
      ja: '地図サービスに接続できません',
      pl: 'Brak połączenia z usługą map',
      ru: 'Нет связи с сервисом карт',
      de: 'Keine Verbindung zum Kartendienst',
      es: 'Sin conexión con el servicio de mapas',
      pt: 'Sem ligação ao serviço de mapas',
      ko: '지도 서비스에 연결할 수 없습니다'
    },
    nokey: {
      en: 'No API key for this map: enter one in the settings',
      zh: '缺少此地图的 API 密钥：请在设置中填写',
      'zh-TW': '缺少此地圖的 API 金鑰：請在設定中填寫',
      fr: 'Aucune clé API pour cette carte : saisissez-en une dans les paramètres',
      it: 'Nessuna chiave API per questa mappa: inseriscila nelle impostazioni',
      ja: 'この地図の API キーがありません：設定で入力してください',
      pl: 'Brak klucza API tej mapy: wpisz go w ustawieniach',
      ru: 'Нет ключа API для этой карты: введите его в настройках',
      de: 'Kein API-Schlüssel für diese Karte: bitte in den Einstellungen eingeben',
      es: 'Falta la clave API de este mapa: introdúzcala en la configuración',
      pt: 'Sem chave API para este mapa: introduza-a nas definições',
      ko: '이 지도의 API 키가 없습니다: 설정에서 입력하세요'
    }
  };

  function noticeText(kind, language) {
    var table = notices[kind];
    var code = (language || global.navigator.language || 'en').replace('_', '-');
    if (/^zh-(TW|HK)/i.test(code)) return table['zh-TW'];
    return table[code] || table[code.split('-')[0].toLowerCase()] || table.en;
  }

  function hideNotice() {
    noticeKind = '';
    var bar = document.getElementById('notice');
    bar.textContent = '';
    bar.style.display = 'none';
    document.body.classList.remove('has-notice');
  }

  function showNotice(kind, language) {
    noticeKind = kind;
    var bar = document.getElementById('notice');
    bar.textContent = noticeText(kind, language);
    bar.title = bar.textContent;
    bar.style.display = 'block';
    document.body.classList.add('has-notice');
  }

  // Hands the page to a backend and draws on it what the page already knows.
  function use(next) {
    backend = next;
    if (model.center) backend.center(model.center[0], model.center[1]);
    if (model.track.length) backend.setTrack(model.track);
    for (var i = 0; i < model.points.length; ++i) {
      if (isPlace(model.points[i])) backend.addPoint(model.points[i][0], model.points[i][1]);
      else if (backend.addGap) backend.addGap();
    }
    if (model.current) backend.setCurrent(model.current[0], model.current[1], model.current[2]);
    if (model.events.length && backend.setEvents) backend.setEvents(model.events);
  }

  // ---- WGS-84 to the Chinese offset systems (GCJ-02, then Baidu's BD-09) ----

  var A = 6378245.0, EE = 0.00669342162296594323, XPI = Math.PI * 3000.0 / 180.0;

  function outOfChina(lng, lat) {
    return lng < 72.004 || lng > 137.8347 || lat < 0.8293 || lat > 55.8271;
  }
  function shiftLat(x, y) {
    var r = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * Math.sqrt(Math.abs(x));
    r += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
    r += (20.0 * Math.sin(y * Math.PI) + 40.0 * Math.sin(y / 3.0 * Math.PI)) * 2.0 / 3.0;
    r += (160.0 * Math.sin(y / 12.0 * Math.PI) + 320.0 * Math.sin(y * Math.PI / 30.0)) * 2.0 / 3.0;
    return r;
  }
  function shiftLng(x, y) {
    var r = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * Math.sqrt(Math.abs(x));
    r += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
    r += (20.0 * Math.sin(x * Math.PI) + 40.0 * Math.sin(x / 3.0 * Math.PI)) * 2.0 / 3.0;
    r += (150.0 * Math.sin(x / 12.0 * Math.PI) + 300.0 * Math.sin(x / 30.0 * Math.PI)) * 2.0 / 3.0;
    return r;
  }
  function wgs84ToGcj02(lng, lat) {
    if (outOfChina(lng, lat)) return [lng, lat];
    var dLat = shiftLat(lng - 105.0, lat - 35.0), dLng = shiftLng(lng - 105.0, lat - 35.0);
    var radLat = lat / 180.0 * Math.PI;
    var magic = 1 - EE * Math.sin(radLat) * Math.sin(radLat), sqrtMagic = Math.sqrt(magic);
    dLat = (dLat * 180.0) / ((A * (1 - EE)) / (magic * sqrtMagic) * Math.PI);
    dLng = (dLng * 180.0) / (A / sqrtMagic * Math.cos(radLat) * Math.PI);
    return [lng + dLng, lat + dLat];
  }
  function gcj02ToBd09(lng, lat) {
    var z = Math.sqrt(lng * lng + lat * lat) + 0.00002 * Math.sin(lat * XPI);
    var theta = Math.atan2(lat, lng) + 0.000003 * Math.cos(lng * XPI);
    return [z * Math.cos(theta) + 0.0065, z * Math.sin(theta) + 0.006];
  }
  function wgs84ToBd09(lng, lat) {
    var g = wgs84ToGcj02(lng, lat);
    return gcj02ToBd09(g[0], g[1]);
  }

  // Loads a provider's script; calls back with false when it cannot be fetched or does not
  // call in within the time given.
  function loadScript(src, readyName, timeoutMs, done) {
    var finished = false;
    function finish(ok) { if (!finished) { finished = true; done(ok); } }
    global[readyName] = function () { finish(true); };
    var script = document.createElement('script');
    script.src = src;
    script.async = true;
    script.onerror = function () { finish(false); };
    document.head.appendChild(script);
    setTimeout(function () { finish(false); }, timeoutMs);
  }

  global.waylumeMap = {
    params: params,
    calls: function () { return calls.slice(); },
    callLog: function () { return calls.join('\n'); },
    clearCallLog: function () { calls = []; },
    state: function () {
      return {
        backend: backend ? backend.name : '',
        notice: noticeKind,
        noticeText: noticeKind ? document.getElementById('notice').textContent : '',
        plain: backend && backend.isPlain ? backend.isPlain() : false,
        current: model.current ? model.current.slice() : null,
        track: model.track.length,
        drawnTrack: backend && backend.trackLength ? backend.trackLength() : -1,
        drawnRuns: backend && backend.trackRuns ? backend.trackRuns() : -1,
        drawnBounds: backend && backend.trackBounds ? backend.trackBounds() : null,
        points: model.points.length
      };
    },
    receiveTrackPoint: receiveTrackPoint,
    trackRuns: trackRuns,
    seekChannelReady: function () { return seekTarget !== null; },
    // The callable members the player's object shows the page.
    seekCalls: function () {
      if (!seekTarget) return '';
      return Object.keys(seekTarget).filter(function (k) {
        return typeof seekTarget[k] === 'function';
      }).sort().join(',');
    },
    // Where track point `index` is drawn, in page pixels (tests click there).
    trackPointOnPage: function (index) {
      if (!backend || !backend.trackPoint) return null;
      var p = backend.trackPoint(index);
      var box = backend.map.getContainer().getBoundingClientRect();
      return [p[0] + Math.round(box.left), p[1] + Math.round(box.top)];
    },
    leafletBackend: leafletBackend,
    showNotice: showNotice,
    hideNotice: hideNotice,
    use: use,
    loadScript: loadScript,
    // The player sets WAYLUME_MAP_KEYS before the page's own scripts run, from the keys
    // entered in its settings.
    key: function (provider) {
      var keys = global.WAYLUME_MAP_KEYS || {};
      return typeof keys[provider] === 'string' ? keys[provider].trim() : '';
    },
    wgs84ToGcj02: wgs84ToGcj02,
    gcj02ToBd09: gcj02ToBd09,
    wgs84ToBd09: wgs84ToBd09
  };
})(window);
