-- The suite's server functions that PostgreSQL lacks, created by every connection in its own session
-- schema pg_temp (gone when the session ends; the database names none of them). Run as one batch.
CREATE FUNCTION pg_temp.kq_len(t text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT char_length(rtrim(t, ' ')) $$;
CREATE FUNCTION pg_temp.kq_charindex(buscado text, texto text, inicio integer DEFAULT 1) RETURNS integer
 LANGUAGE sql STABLE STRICT AS $$ SELECT CASE WHEN buscado = '' THEN 0 ELSE
 COALESCE(NULLIF(strpos(substr(lower(texto), greatest(inicio, 1)), lower(buscado)), 0) + greatest(inicio, 1) - 1, 0)
 END $$;
CREATE FUNCTION pg_temp.kq_getdate() RETURNS timestamp LANGUAGE sql STABLE AS $$ SELECT localtimestamp(0) $$;
CREATE FUNCTION pg_temp.kq_suma(a text, b text) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT a || b $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT a + b $$;
CREATE FUNCTION pg_temp.kq_falla(mensaje text, tipo anyelement) RETURNS anyelement LANGUAGE plpgsql AS $$
 BEGIN RAISE EXCEPTION USING ERRCODE = '22018', MESSAGE = mensaje; END $$;
CREATE FUNCTION pg_temp.kq_numero(t text, tipo text) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN t ~ CASE WHEN tipo IN ('float', 'real') THEN '^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$'
   WHEN tipo IN ('int', 'integer', 'smallint', 'tinyint', 'bigint', 'bit') THEN '^\s*[+-]?\d+\s*$' ELSE '^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$' END
  THEN btrim(t, E' \t\r\n')::numeric
  WHEN t IS NOT NULL THEN pg_temp.kq_falla(format('Error de conversión al convertir el valor varchar ''%s'' al tipo de datos %s.', t, tipo), NULL::numeric) END $$;
CREATE FUNCTION pg_temp.kq_suma(a text, b numeric) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_numero(a, CASE WHEN scale(b) = 0 THEN 'int' ELSE 'float' END) + b $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b text) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$
 SELECT a + pg_temp.kq_numero(b, CASE WHEN scale(a) = 0 THEN 'int' ELSE 'float' END) $$;
CREATE FUNCTION pg_temp.kq_suma(a timestamp, b numeric) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT a + b * interval '1 day' $$;
CREATE FUNCTION pg_temp.kq_suma(a numeric, b timestamp) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT b + a * interval '1 day' $$;
CREATE FUNCTION pg_temp.kq_replicate(t text, n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n >= 0 THEN repeat(t, n) END $$;
CREATE FUNCTION pg_temp.kq_space(n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n >= 0 THEN repeat(' ', n) END $$;
CREATE FUNCTION pg_temp.kq_char(n integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN n BETWEEN 1 AND 255 THEN convert_from(decode(lpad(to_hex(n), 2, '0'), 'hex'), 'WIN1252') END $$;
CREATE FUNCTION pg_temp.kq_ascii(t text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN t <> '' THEN get_byte(convert_to(left(t, 1), 'WIN1252'), 0) END $$;
CREATE FUNCTION pg_temp.kq_str(x numeric, largo integer DEFAULT 10, decimales integer DEFAULT 0) RETURNS text LANGUAGE sql IMMUTABLE STRICT AS $$
 SELECT CASE WHEN largo BETWEEN 1 AND 8000 THEN coalesce((SELECT lpad(s, largo) FROM (SELECT d, round(x, d)::text AS s
   FROM generate_series(least(greatest(decimales, 0), 16), 0, -1) d) r WHERE length(s) <= largo ORDER BY d DESC LIMIT 1),
  repeat('*', largo)) END $$;
CREATE FUNCTION pg_temp.kq_round(x numeric, n integer, truncar integer DEFAULT 0) RETURNS numeric LANGUAGE sql IMMUTABLE STRICT AS $$
 SELECT CASE WHEN truncar <> 0 THEN trunc(x, n) ELSE round(x, n) END $$;
CREATE FUNCTION pg_temp.kq_round(x double precision, n integer, truncar integer DEFAULT 0) RETURNS double precision LANGUAGE sql IMMUTABLE STRICT AS $$
 SELECT pg_temp.kq_round(x::numeric, n, truncar)::double precision $$;
CREATE FUNCTION pg_temp.kq_isnumeric(x text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN x ~ '^\s*[$€£¥]?[+-]?[0-9,]*\.?[0-9]*([eEdD][+-]?[0-9]+)?\s*$' AND trim(x) <> '' THEN 1 ELSE 0 END $$;
CREATE FUNCTION pg_temp.kq_isnumeric(x numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT CASE WHEN x IS NULL THEN 0 ELSE 1 END $$;
CREATE FUNCTION pg_temp.kq_year(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(year FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_month(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(month FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_day(f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT extract(day FROM f)::integer $$;
CREATE FUNCTION pg_temp.kq_parte(p text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN lower(p) IN ('year', 'yy', 'yyyy') THEN 'year' WHEN lower(p) IN ('quarter', 'qq', 'q') THEN 'quarter'
  WHEN lower(p) IN ('month', 'mm', 'm') THEN 'month' WHEN lower(p) IN ('dayofyear', 'dy', 'y') THEN 'dayofyear'
  WHEN lower(p) IN ('day', 'dd', 'd') THEN 'day' WHEN lower(p) IN ('week', 'wk', 'ww') THEN 'week'
  WHEN lower(p) IN ('iso_week', 'isowk', 'isoww') THEN 'iso_week' WHEN lower(p) IN ('weekday', 'dw', 'w') THEN 'weekday' WHEN lower(p) IN ('hour', 'hh') THEN 'hour'
  WHEN lower(p) IN ('minute', 'mi', 'n') THEN 'minute' WHEN lower(p) IN ('second', 'ss', 's') THEN 'second'
  WHEN lower(p) IN ('millisecond', 'ms') THEN 'millisecond' WHEN lower(p) IN ('microsecond', 'mcs') THEN 'microsecond'
  WHEN lower(p) IN ('nanosecond', 'ns') THEN 'nanosecond' WHEN p IS NOT NULL
  THEN pg_temp.kq_falla(format('''%s'' no es una parte de fecha reconocida.', p), NULL::text) END $$;
CREATE FUNCTION pg_temp.kq_parte_no_admitida(p text, funcion text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_falla(format('La parte de fecha %s no se admite en la función %s para el tipo de datos datetime.', lower(btrim(p)), funcion),
  NULL::text) $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f timestamp) RETURNS timestamp LANGUAGE sql STABLE AS $$
 SELECT f + CASE pg_temp.kq_parte(p) WHEN 'microsecond' THEN pg_temp.kq_parte_no_admitida(p, 'dateadd')::interval
  WHEN 'nanosecond' THEN pg_temp.kq_parte_no_admitida(p, 'dateadd')::interval WHEN 'iso_week' THEN pg_temp.kq_parte_no_admitida(p, 'dateadd')::interval
  WHEN 'year' THEN make_interval(years => n) WHEN 'quarter' THEN make_interval(months => 3 * n)
  WHEN 'month' THEN make_interval(months => n) WHEN 'week' THEN make_interval(days => 7 * n) WHEN 'hour' THEN make_interval(hours => n)
  WHEN 'minute' THEN make_interval(mins => n) WHEN 'second' THEN make_interval(secs => n)
  WHEN 'millisecond' THEN make_interval(secs => n / 1000.0) WHEN 'dayofyear' THEN make_interval(days => n)
  WHEN 'day' THEN make_interval(days => n) WHEN 'weekday' THEN make_interval(days => n) END $$;
-- The server's DATEDIFF gives an int and refuses a count that does not fit in one.
CREATE FUNCTION pg_temp.kq_cuenta_datediff(n numeric) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN n NOT BETWEEN -2147483648 AND 2147483647 THEN pg_temp.kq_falla('La función datediff produjo un desbordamiento. '
  'El número de partes de fecha que separan dos instancias de fecha u hora es demasiado grande. '
  'Intente usar datediff con una parte de fecha menos precisa.', NULL::bigint) ELSE n::bigint END $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a timestamp, b timestamp) RETURNS bigint LANGUAGE sql STABLE AS $$
 SELECT pg_temp.kq_cuenta_datediff(CASE pg_temp.kq_parte(p)
  WHEN 'iso_week' THEN pg_temp.kq_parte_no_admitida(p, 'datediff')::numeric
  WHEN 'year' THEN extract(year FROM b) - extract(year FROM a)
  WHEN 'quarter' THEN (extract(year FROM b) * 4 + extract(quarter FROM b)) - (extract(year FROM a) * 4 + extract(quarter FROM a))
  WHEN 'month' THEN (extract(year FROM b) * 12 + extract(month FROM b)) - (extract(year FROM a) * 12 + extract(month FROM a))
  WHEN 'week' THEN floor((b::date - DATE '1900-01-07') / 7.0) - floor((a::date - DATE '1900-01-07') / 7.0)
  WHEN 'hour' THEN floor(extract(epoch FROM b) / 3600) - floor(extract(epoch FROM a) / 3600)
  WHEN 'minute' THEN floor(extract(epoch FROM b) / 60) - floor(extract(epoch FROM a) / 60)
  WHEN 'second' THEN floor(extract(epoch FROM b)) - floor(extract(epoch FROM a))
  WHEN 'millisecond' THEN floor(extract(epoch FROM b) * 1000) - floor(extract(epoch FROM a) * 1000)
  WHEN 'microsecond' THEN floor(extract(epoch FROM b) * 1000000) - floor(extract(epoch FROM a) * 1000000)
  WHEN 'nanosecond' THEN (floor(extract(epoch FROM b) * 1000000) - floor(extract(epoch FROM a) * 1000000)) * 1000
  WHEN 'dayofyear' THEN b::date - a::date WHEN 'day' THEN b::date - a::date WHEN 'weekday' THEN b::date - a::date END) $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$
 SELECT (CASE pg_temp.kq_parte(p)
  WHEN 'year' THEN extract(year FROM f) WHEN 'quarter' THEN extract(quarter FROM f) WHEN 'month' THEN extract(month FROM f)
  WHEN 'dayofyear' THEN extract(doy FROM f) WHEN 'day' THEN extract(day FROM f)
  WHEN 'week' THEN floor((extract(doy FROM f) - 1 + extract(isodow FROM date_trunc('year', f)) - 1) / 7) + 1
  WHEN 'iso_week' THEN extract(week FROM f)
  WHEN 'weekday' THEN extract(isodow FROM f) WHEN 'hour' THEN extract(hour FROM f) WHEN 'minute' THEN extract(minute FROM f)
  WHEN 'second' THEN floor(extract(second FROM f)) WHEN 'millisecond' THEN floor(extract(milliseconds FROM f)) - floor(extract(second FROM f)) * 1000
  WHEN 'microsecond' THEN (floor(extract(milliseconds FROM f)) - floor(extract(second FROM f)) * 1000) * 1000
  WHEN 'nanosecond' THEN (floor(extract(milliseconds FROM f)) - floor(extract(second FROM f)) * 1000) * 1000000 END)::integer $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f time) RETURNS integer LANGUAGE sql STABLE AS $$ SELECT pg_temp.kq_datepart(p, timestamp '1900-01-01' + f) $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f time) RETURNS time LANGUAGE sql STABLE AS $$ SELECT pg_temp.kq_dateadd(p, n, timestamp '1900-01-01' + f)::time $$;
CREATE FUNCTION pg_temp.kq_datename(p text, f timestamp) RETURNS text LANGUAGE sql STABLE AS $$
 SELECT CASE pg_temp.kq_parte(p)
  WHEN 'month' THEN (ARRAY['enero', 'febrero', 'marzo', 'abril', 'mayo', 'junio', 'julio', 'agosto', 'septiembre', 'octubre',
   'noviembre', 'diciembre'])[extract(month FROM f)]
  WHEN 'weekday' THEN (ARRAY['lunes', 'martes', 'miércoles', 'jueves', 'viernes', 'sábado', 'domingo'])[extract(isodow FROM f)]
  ELSE pg_temp.kq_datepart(p, f)::text END $$;
CREATE FUNCTION pg_temp.kq_datename(p text, f time) RETURNS text LANGUAGE sql STABLE AS $$ SELECT pg_temp.kq_datename(p, timestamp '1900-01-01' + f) $$;
CREATE FUNCTION pg_temp.kq_lee_fecha(t text) RETURNS timestamp LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
 p text[];
 a integer;
 m integer;
 d integer;
 f timestamp;
 hora constant text := '(?:[ T]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}(?:\.\d{1,3})?))?)?\s*$';
BEGIN
 IF btrim(t) = '' THEN RETURN timestamp '1900-01-01'; END IF;
 p := regexp_match(t, '^(.*\d)\s*([AaPp][Mm])\s*$');
 IF p IS NOT NULL THEN
  f := CASE WHEN strpos(p[1], ':') > 0 THEN pg_temp.kq_lee_fecha(p[1]) END;
  IF f IS NULL OR extract(hour FROM f) > 12 THEN RETURN NULL; END IF;
  RETURN f + CASE WHEN lower(p[2]) = 'pm' AND extract(hour FROM f) < 12 THEN interval '12 hours'
                  WHEN lower(p[2]) = 'am' AND extract(hour FROM f) = 12 THEN interval '-12 hours' ELSE interval '0' END;
 END IF;
 IF t ~ '^\s*\d{1,2}:\d{1,2}(:\d{1,2}(\.\d{1,3})?)?\s*$' THEN RETURN pg_temp.kq_lee_fecha('1900-01-01 ' || btrim(t)); END IF;
 p := regexp_match(t, '^\s*(\d{2})\d{4}\s*$');
 IF p IS NOT NULL THEN RETURN pg_temp.kq_lee_fecha(CASE WHEN p[1]::integer < 50 THEN '20' ELSE '19' END || btrim(t)); END IF;
 p := regexp_match(t, '^\s*(\d{1,2})[-/.](\d{1,2})[-/.](\d{4}|\d{2})' || hora);
 IF p IS NOT NULL THEN
  d := p[1]; m := p[2]; a := p[3];
  IF length(p[3]) = 2 THEN a := a + CASE WHEN a < 50 THEN 2000 ELSE 1900 END; END IF;
 ELSE
  p := regexp_match(t, '^\s*(\d{4})-(\d{1,2})-(\d{1,2})' || hora);
  IF p IS NULL THEN p := regexp_match(t, '^\s*(\d{4})(\d{2})(\d{2})' || hora); END IF;
  IF p IS NULL THEN RETURN NULL; END IF;
  a := p[1]; m := p[2]; d := p[3];
 END IF;
 IF a < 1 OR m NOT BETWEEN 1 AND 12 OR d < 1 OR d > extract(day FROM make_date(a, m, 1) + interval '1 month - 1 day')
    OR coalesce(p[4]::integer, 0) > 23 OR coalesce(p[5]::integer, 0) > 59 OR coalesce(p[6]::numeric, 0) >= 60 THEN
  RETURN NULL;
 END IF;
 RETURN make_timestamp(a, m, d, coalesce(p[4]::integer, 0), coalesce(p[5]::integer, 0), coalesce(p[6]::double precision, 0));
END $$;
CREATE FUNCTION pg_temp.kq_estilo(f timestamp, estilo integer) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN f IS NULL THEN NULL WHEN m IS NULL
  THEN pg_temp.kq_falla(format('El estilo %s no se admite al convertir una fecha en texto.', estilo), NULL::text) ELSE to_char(f, m) END
 FROM (SELECT CASE coalesce(estilo, 0) WHEN 0 THEN 'YYYY-MM-DD HH24:MI:SS' WHEN 100 THEN 'YYYY-MM-DD HH24:MI:SS'
  WHEN 3 THEN 'DD/MM/YY' WHEN 103 THEN 'DD/MM/YYYY' WHEN 4 THEN 'DD.MM.YY' WHEN 104 THEN 'DD.MM.YYYY'
  WHEN 8 THEN 'HH24:MI:SS' WHEN 108 THEN 'HH24:MI:SS' WHEN 12 THEN 'YYMMDD' WHEN 112 THEN 'YYYYMMDD'
  WHEN 20 THEN 'YYYY-MM-DD HH24:MI:SS' WHEN 120 THEN 'YYYY-MM-DD HH24:MI:SS'
  WHEN 21 THEN 'YYYY-MM-DD HH24:MI:SS.MS' WHEN 121 THEN 'YYYY-MM-DD HH24:MI:SS.MS' END AS m) e $$;
CREATE FUNCTION pg_temp.kq_mide(s text, tipo text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN n IN ('text', 'ntext') OR lower(m) = 'max' THEN s WHEN n = 'sysname' THEN left(s, 128)
  WHEN n IN ('char', 'nchar') THEN rpad(s, largo) ELSE left(s, largo) END
 FROM (SELECT n, m, coalesce(CASE WHEN m ~ '^\d{1,9}$' THEN m::integer END, 30) AS largo
  FROM (SELECT lower(btrim(split_part(tipo, '(', 1))) AS n, (regexp_match(tipo, '\(\s*(\w+)'))[1] AS m) t) u $$;
CREATE FUNCTION pg_temp.kq_a_texto(x text, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(x, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(x::text, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(x::text, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x bigint, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(x::text, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x timestamp, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(pg_temp.kq_estilo(x, estilo), tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x date, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_mide(CASE WHEN estilo IS NULL THEN to_char(x, 'YYYY-MM-DD') ELSE pg_temp.kq_estilo(x::timestamp, estilo) END, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_texto(x time, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_mide(to_char(x, 'HH24:MI:SS'), tipo) $$;
CREATE FUNCTION pg_temp.kq_a_entero(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS integer LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN n = 'bit' THEN (x <> 0)::integer
  WHEN trunc(x) NOT BETWEEN CASE n WHEN 'tinyint' THEN 0 WHEN 'smallint' THEN -32768 ELSE -2147483648 END
   AND CASE n WHEN 'tinyint' THEN 255 WHEN 'smallint' THEN 32767 ELSE 2147483647 END
  THEN pg_temp.kq_falla(format('Error de desbordamiento aritmético al convertir expression al tipo de datos %s.', n), NULL::integer)
  ELSE trunc(x)::integer END FROM (SELECT lower(btrim(tipo)) AS n) t $$;
CREATE FUNCTION pg_temp.kq_a_entero(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_entero(x::numeric, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_entero(x text, tipo text, estilo integer DEFAULT NULL) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_entero(pg_temp.kq_numero(x, lower(btrim(tipo))), tipo) $$;
CREATE FUNCTION pg_temp.kq_a_largo(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT trunc(x)::bigint $$;
CREATE FUNCTION pg_temp.kq_a_largo(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT trunc(x)::bigint $$;
CREATE FUNCTION pg_temp.kq_a_largo(x text, tipo text, estilo integer DEFAULT NULL) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_numero(x, 'bigint')::bigint $$;
CREATE FUNCTION pg_temp.kq_a_real(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS double precision LANGUAGE sql IMMUTABLE AS $$ SELECT x::double precision $$;
CREATE FUNCTION pg_temp.kq_a_real(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS double precision LANGUAGE sql IMMUTABLE AS $$ SELECT x $$;
CREATE FUNCTION pg_temp.kq_a_real(x text, tipo text, estilo integer DEFAULT NULL) RETURNS double precision LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_numero(x, 'float')::double precision $$;
CREATE FUNCTION pg_temp.kq_a_decimal(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN abs(r) >= 10::numeric ^ (precision - escala)
  THEN pg_temp.kq_falla(format('Error de desbordamiento aritmético al convertir numeric al tipo de datos %s.', tipo), NULL::numeric) ELSE r END
 FROM (SELECT round(x, escala) AS r, precision, escala FROM (SELECT coalesce((m)[1]::integer, 18) AS precision,
  CASE WHEN lower(tipo) LIKE '%money' THEN 4 ELSE coalesce((m)[2]::integer, 0) END AS escala
  FROM (SELECT regexp_match(tipo, '\(\s*(\d{1,2})\s*(?:,\s*(\d{1,2})\s*)?\)') AS m) t) u) v $$;
CREATE FUNCTION pg_temp.kq_a_decimal(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_decimal(x::numeric, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_decimal(x text, tipo text, estilo integer DEFAULT NULL) RETURNS numeric LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_decimal(pg_temp.kq_numero(x, 'numeric'), tipo) $$;
CREATE FUNCTION pg_temp.kq_a_fecha(x timestamp, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN n = 'smalldatetime' THEN date_trunc('minute', x + interval '30001 milliseconds')
  WHEN n = 'datetime' THEN date_trunc('second', x) + ((((ms * 3 + 5) / 10) * 10 + 1) / 3) * interval '1 millisecond' ELSE x END
 FROM (SELECT lower(btrim(tipo)) AS n, round((extract(microseconds FROM x) % 1000000) / 1000)::integer AS ms) t $$;
CREATE FUNCTION pg_temp.kq_a_fecha(x text, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN x IS NULL THEN NULL
  WHEN estilo NOT IN (0, 100, 3, 103, 4, 104, 5, 105, 12, 112, 20, 120, 21, 121, 126)
  THEN pg_temp.kq_falla(format('El estilo %s no se admite al convertir un texto en fecha.', estilo), NULL::timestamp)
  WHEN f IS NULL
  THEN pg_temp.kq_falla('Error de conversión al convertir una fecha u hora a partir de una cadena de caracteres.', NULL::timestamp)
  ELSE pg_temp.kq_a_fecha(f, tipo) END FROM (SELECT pg_temp.kq_lee_fecha(x) AS f) l $$;
-- A time of day as a date and time reads as that time on 1 January 1900, as the server reads it.
CREATE FUNCTION pg_temp.kq_a_fecha(x time, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_a_fecha(date '1900-01-01' + x, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_fecha(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_a_fecha(timestamp '1900-01-01' + x * interval '1 day', tipo) $$;
CREATE FUNCTION pg_temp.kq_a_fecha(x double precision, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_a_fecha(x::numeric, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_dia(x timestamp, tipo text, estilo integer DEFAULT NULL) RETURNS date LANGUAGE sql IMMUTABLE AS $$ SELECT x::date $$;
CREATE FUNCTION pg_temp.kq_a_dia(x text, tipo text, estilo integer DEFAULT NULL) RETURNS date LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_fecha(x, tipo)::date $$;
CREATE FUNCTION pg_temp.kq_a_hora(x timestamp, tipo text, estilo integer DEFAULT NULL) RETURNS time LANGUAGE sql IMMUTABLE AS $$ SELECT x::time $$;
CREATE FUNCTION pg_temp.kq_a_hora(x text, tipo text, estilo integer DEFAULT NULL) RETURNS time LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_fecha(x, tipo)::time $$;
CREATE FUNCTION pg_temp.kq_a_otro(x text, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_falla(format('El tipo de datos ''%s'' no se admite en una conversión.', tipo), NULL::text) $$;
CREATE FUNCTION pg_temp.kq_a_otro(x numeric, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_otro(x::text, tipo) $$;
CREATE FUNCTION pg_temp.kq_a_otro(x timestamp, tipo text, estilo integer DEFAULT NULL) RETURNS text LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_a_otro(x::text, tipo) $$;
-- One character of a pattern as a regular expression that stands for it alone.
CREATE FUNCTION pg_temp.kq_literal(c text) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN c ~ '^[[:alnum:]]$' THEN c ELSE '\' || c END $$;
-- The characters whose lower case lies between the lower cases of `desde` and `hasta`, as bracket
-- items for "~*" (which adds each one's other case); nothing when the range runs backwards.
CREATE FUNCTION pg_temp.kq_rango(desde text, hasta text) RETURNS text LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
 r text := '';
 inicio integer;
 ultimo integer;
 lo constant integer := ascii(lower(desde));
 hi constant integer := ascii(lower(hasta));
BEGIN
 IF hi - lo > 4096 THEN RETURN pg_temp.kq_literal(chr(lo)) || '-' || pg_temp.kq_literal(chr(hi)); END IF;
 FOR k IN lo .. hi + 1 LOOP
  IF k <= hi AND k NOT BETWEEN 55296 AND 57343 AND lower(chr(k)) = chr(k) THEN
   IF inicio IS NULL THEN inicio := k; END IF;
   ultimo := k;
  ELSIF inicio IS NOT NULL THEN
   r := r || pg_temp.kq_literal(chr(inicio)) || CASE WHEN ultimo > inicio THEN '-' || pg_temp.kq_literal(chr(ultimo)) ELSE '' END;
   inicio := NULL;
  END IF;
 END LOOP;
 RETURN r;
END $$;
CREATE FUNCTION pg_temp.kq_patron(p text, escape text DEFAULT NULL) RETURNS text LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
 r text := '^';
 i integer := 1;
 j integer;
 c text;
 cierre integer;
 clase text;
 negada boolean;
 items text;
BEGIN
 IF p IS NULL THEN RETURN NULL; END IF;
 IF length(escape) <> 1 THEN
  RETURN pg_temp.kq_falla(format('Se ha especificado el carácter de escape no válido "%s" en un predicado LIKE.', escape), NULL::text);
 END IF;
 WHILE i <= length(p) LOOP
  c := substr(p, i, 1);
  cierre := CASE WHEN c = '[' THEN strpos(substr(p, i + 2), ']') END;
  IF c = escape AND i < length(p) THEN
   i := i + 1;
   r := r || pg_temp.kq_literal(substr(p, i, 1));
  ELSIF c = '%' THEN r := r || '.*';
  ELSIF c = '_' THEN r := r || '.';
  ELSIF cierre > 0 THEN
   clase := substr(p, i + 1, cierre);
   negada := left(clase, 1) = '^' AND length(clase) > 1;
   IF negada THEN clase := substr(clase, 2); END IF;
   items := '';
   j := 1;
   WHILE j <= length(clase) LOOP
    IF j + 2 <= length(clase) AND substr(clase, j + 1, 1) = '-' THEN
     items := items || pg_temp.kq_rango(substr(clase, j, 1), substr(clase, j + 2, 1));
     j := j + 3;
    ELSE
     items := items || pg_temp.kq_literal(lower(substr(clase, j, 1)));
     j := j + 1;
    END IF;
   END LOOP;
   r := r || CASE WHEN items <> '' THEN '[' || CASE WHEN negada THEN '^' ELSE '' END || items || ']'
                  WHEN negada THEN '.' ELSE '(?!)' END;
   i := i + cierre + 1;
  ELSIF c = '[' THEN
   -- A "[" that no "]" closes: the pattern is malformed and matches nothing.
   RETURN '(?!)';
  ELSE
   r := r || pg_temp.kq_literal(c);
  END IF;
  i := i + 1;
 END LOOP;
 RETURN r || '$';
END $$;
CREATE FUNCTION pg_temp.kq_year(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_year(pg_temp.kq_a_fecha(f, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_month(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_month(pg_temp.kq_a_fecha(f, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_day(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_day(pg_temp.kq_a_fecha(f, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datepart(p, pg_temp.kq_a_fecha(f, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f text) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_dateadd(p, n, pg_temp.kq_a_fecha(f, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a text, b text) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_datediff(p, pg_temp.kq_a_fecha(a, 'datetime2'), pg_temp.kq_a_fecha(b, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a timestamp, b text) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datediff(p, a, pg_temp.kq_a_fecha(b, 'datetime2')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a text, b timestamp) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datediff(p, pg_temp.kq_a_fecha(a, 'datetime2'), b) $$;
CREATE FUNCTION pg_temp.kq_datename(p text, f text) RETURNS text LANGUAGE sql STABLE AS $$ SELECT pg_temp.kq_datename(p, pg_temp.kq_a_fecha(f, 'datetime2')) $$;
-- Whether some citext column of the database's tables orders without the Spanish rules ('Zoe'
-- before 'ñandú', 'admin' before 'Ábalos'): made by an older schema in a database whose default is
-- the server's C.UTF-8 locale.
CREATE FUNCTION pg_temp.kq_orden_bytes() RETURNS boolean LANGUAGE plpgsql STABLE AS $$
DECLARE
 intercalacion text;
 espanol boolean;
BEGIN
 FOR intercalacion IN SELECT DISTINCT a.attcollation::regcollation::text FROM pg_attribute a
   JOIN pg_class c ON c.oid = a.attrelid JOIN pg_namespace n ON n.oid = c.relnamespace
   WHERE a.atttypid = to_regtype('citext') AND c.relkind = 'r' AND NOT a.attisdropped AND n.nspname = ANY (current_schemas(false)) LOOP
  EXECUTE format('SELECT %1$L::citext COLLATE %3$s < %2$L::citext COLLATE %3$s AND %4$L::citext COLLATE %3$s < %5$L::citext COLLATE %3$s',
                 'ñandú', 'zoe', intercalacion, 'Ábalos', 'admin') INTO espanol;
  IF NOT espanol THEN RETURN true; END IF;
 END LOOP;
 RETURN false;
END $$;
-- A number as a date is that many days after 1 January 1900, as the server reads it.
CREATE FUNCTION pg_temp.kq_year(f numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_year(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_month(f numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_month(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_day(f numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_day(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f numeric) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datepart(p, pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datename(p text, f numeric) RETURNS text LANGUAGE sql STABLE AS $$ SELECT pg_temp.kq_datename(p, pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f numeric) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_dateadd(p, n, pg_temp.kq_a_fecha(f, 'datetime')) $$;
