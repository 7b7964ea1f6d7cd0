-- The suite's server functions that PostgreSQL lacks, created by every connection in its own session
-- schema pg_temp (gone when the session ends; the database names none of them). Run as one batch.
CREATE FUNCTION pg_temp.kq_len(t text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT char_length(rtrim(t, ' ')) $$;
CREATE FUNCTION pg_temp.kq_charindex(buscado text, texto text, inicio integer DEFAULT 1) RETURNS integer
 LANGUAGE sql STABLE AS $$ SELECT CASE WHEN buscado = '' THEN 0 ELSE
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
CREATE FUNCTION pg_temp.kq_str(x numeric, largo integer DEFAULT 10, decimales integer DEFAULT 0) RETURNS text LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN length(s) > largo THEN repeat('*', largo) ELSE lpad(s, largo) END FROM (SELECT round(x, decimales)::text AS s) r $$;
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
  WHEN lower(p) IN ('weekday', 'dw', 'w') THEN 'weekday' WHEN lower(p) IN ('hour', 'hh') THEN 'hour'
  WHEN lower(p) IN ('minute', 'mi', 'n') THEN 'minute' WHEN lower(p) IN ('second', 'ss', 's') THEN 'second'
  WHEN lower(p) IN ('millisecond', 'ms') THEN 'millisecond' END $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f timestamp) RETURNS timestamp LANGUAGE sql STABLE AS $$
 SELECT f + CASE pg_temp.kq_parte(p) WHEN 'year' THEN make_interval(years => n) WHEN 'quarter' THEN make_interval(months => 3 * n)
  WHEN 'month' THEN make_interval(months => n) WHEN 'week' THEN make_interval(days => 7 * n) WHEN 'hour' THEN make_interval(hours => n)
  WHEN 'minute' THEN make_interval(mins => n) WHEN 'second' THEN make_interval(secs => n)
  WHEN 'millisecond' THEN make_interval(secs => n / 1000.0) WHEN 'dayofyear' THEN make_interval(days => n)
  WHEN 'day' THEN make_interval(days => n) WHEN 'weekday' THEN make_interval(days => n) END $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a timestamp, b timestamp) RETURNS bigint LANGUAGE sql STABLE AS $$
 SELECT (CASE pg_temp.kq_parte(p)
  WHEN 'year' THEN extract(year FROM b) - extract(year FROM a)
  WHEN 'quarter' THEN (extract(year FROM b) * 4 + extract(quarter FROM b)) - (extract(year FROM a) * 4 + extract(quarter FROM a))
  WHEN 'month' THEN (extract(year FROM b) * 12 + extract(month FROM b)) - (extract(year FROM a) * 12 + extract(month FROM a))
  WHEN 'week' THEN floor((b::date - DATE '1900-01-07') / 7.0) - floor((a::date - DATE '1900-01-07') / 7.0)
  WHEN 'hour' THEN floor(extract(epoch FROM b) / 3600) - floor(extract(epoch FROM a) / 3600)
  WHEN 'minute' THEN floor(extract(epoch FROM b) / 60) - floor(extract(epoch FROM a) / 60)
  WHEN 'second' THEN floor(extract(epoch FROM b)) - floor(extract(epoch FROM a))
  WHEN 'millisecond' THEN floor(extract(epoch FROM b) * 1000) - floor(extract(epoch FROM a) * 1000)
  WHEN 'dayofyear' THEN b::date - a::date WHEN 'day' THEN b::date - a::date WHEN 'weekday' THEN b::date - a::date END)::bigint $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f timestamp) RETURNS integer LANGUAGE sql STABLE AS $$
 SELECT (CASE pg_temp.kq_parte(p)
  WHEN 'year' THEN extract(year FROM f) WHEN 'quarter' THEN extract(quarter FROM f) WHEN 'month' THEN extract(month FROM f)
  WHEN 'dayofyear' THEN extract(doy FROM f) WHEN 'day' THEN extract(day FROM f)
  WHEN 'week' THEN floor((extract(doy FROM f) - 1 + extract(isodow FROM date_trunc('year', f)) - 1) / 7) + 1
  WHEN 'weekday' THEN extract(isodow FROM f) WHEN 'hour' THEN extract(hour FROM f) WHEN 'minute' THEN extract(minute FROM f)
  WHEN 'second' THEN floor(extract(second FROM f)) WHEN 'millisecond' THEN floor(extract(milliseconds FROM f)) - floor(extract(second FROM f)) * 1000 END)::integer $$;
CREATE FUNCTION pg_temp.kq_lee_fecha(t text) RETURNS timestamp LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
 p text[];
 a integer;
 m integer;
 d integer;
 hora constant text := '(?:[ T]+(\d{1,2}):(\d{1,2})(?::(\d{1,2}(?:\.\d+)?))?)?\s*$';
BEGIN
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
 SELECT CASE WHEN lower(btrim(tipo)) = 'smalldatetime' THEN date_trunc('minute', x + interval '30001 milliseconds') ELSE x END $$;
CREATE FUNCTION pg_temp.kq_a_fecha(x text, tipo text, estilo integer DEFAULT NULL) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$
 SELECT CASE WHEN x IS NULL THEN NULL
  WHEN estilo NOT IN (0, 100, 3, 103, 4, 104, 5, 105, 12, 112, 20, 120, 21, 121, 126)
  THEN pg_temp.kq_falla(format('El estilo %s no se admite al convertir un texto en fecha.', estilo), NULL::timestamp)
  WHEN f IS NULL
  THEN pg_temp.kq_falla('Error de conversión al convertir una fecha u hora a partir de una cadena de caracteres.', NULL::timestamp)
  ELSE pg_temp.kq_a_fecha(f, tipo) END FROM (SELECT pg_temp.kq_lee_fecha(x) AS f) l $$;
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
CREATE FUNCTION pg_temp.kq_patron(p text, escape text DEFAULT NULL) RETURNS text LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
 r text := '^';
 i integer := 1;
 c text;
 cierre integer;
 clase text;
BEGIN
 IF p IS NULL THEN RETURN NULL; END IF;
 WHILE i <= length(p) LOOP
  c := substr(p, i, 1);
  cierre := CASE WHEN c = '[' THEN strpos(substr(p, i + 2), ']') END;
  IF c = escape AND i < length(p) THEN
   i := i + 1;
   c := substr(p, i, 1);
   r := r || CASE WHEN c ~ '[[:alnum:]]' THEN c ELSE '\' || c END;
  ELSIF c = '%' THEN r := r || '.*';
  ELSIF c = '_' THEN r := r || '.';
  ELSIF cierre > 0 THEN
   clase := substr(p, i + 1, cierre);
   r := r || '[' || CASE WHEN left(clase, 1) = '^' THEN '^' || replace(replace(substr(clase, 2), '\', '\\'), '[', '\[')
                         ELSE replace(replace(clase, '\', '\\'), '[', '\[') END || ']';
   i := i + cierre + 1;
  ELSE
   r := r || CASE WHEN c ~ '[[:alnum:]]' THEN c ELSE '\' || c END;
  END IF;
  i := i + 1;
 END LOOP;
 RETURN r || '$';
END $$;
CREATE FUNCTION pg_temp.kq_year(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_year(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_month(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_month(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_day(f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_day(pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datepart(p text, f text) RETURNS integer LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datepart(p, pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_dateadd(p text, n integer, f text) RETURNS timestamp LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_dateadd(p, n, pg_temp.kq_a_fecha(f, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a text, b text) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$
 SELECT pg_temp.kq_datediff(p, pg_temp.kq_a_fecha(a, 'datetime'), pg_temp.kq_a_fecha(b, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a timestamp, b text) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datediff(p, a, pg_temp.kq_a_fecha(b, 'datetime')) $$;
CREATE FUNCTION pg_temp.kq_datediff(p text, a text, b timestamp) RETURNS bigint LANGUAGE sql IMMUTABLE AS $$ SELECT pg_temp.kq_datediff(p, pg_temp.kq_a_fecha(a, 'datetime'), b) $$;
